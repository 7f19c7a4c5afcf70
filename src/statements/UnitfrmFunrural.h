#pragma once

#include "widgets/PickerWindow.h"
#include "widgets/QueryWindow.h"

#include "ui_UnitfrmFunrural.h"

// The FunRural withheld on the log intake invoices issued in a period, for
// every supplier or for one, totalled by the database.
class TfrmFunRural : public widgets::QueryWindow, public Ui::TfrmFunRural
{
    Q_OBJECT
public:
    explicit TfrmFunRural(data::TDM *dm, QWidget *parent = nullptr);

    // The supplier picker behind "&P".
    void setSupplierPicker(const widgets::Picker &picker) { m_suppliers = picker; }

    void FormShow() override;
    void CheckBox1Click();
    void SpeedButton1Click();
    void BitBtn1Click(); // "&Cansultar"
    void BitBtn2Click(); // "&Retornar"

private:
    widgets::Picker m_suppliers;
};
