#pragma once

#include "widgets/PickerWindow.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace data { class TDM; }
namespace widgets { class DateEdit; }

// The FunRural withheld on the log intake invoices issued in a period, for
// every supplier or for one, totalled by the database.
class TfrmFunRural : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmFunRural(data::TDM *dm, QWidget *parent = nullptr);

    widgets::DateEdit *DateEdit1, *DateEdit2;
    QCheckBox *CheckBox1;
    QLineEdit *essencia;   // the supplier's code
    QPushButton *SpeedButton1; // "&P"
    QLineEdit *FORNECEDOR; // the supplier's name
    widgets::DBGrid *DBGrid1;
    QLabel *ESTOQUE;
    QPushButton *BitBtn1, *BitBtn2;

    // The supplier picker behind "&P".
    void setSupplierPicker(const widgets::Picker &picker) { m_suppliers = picker; }

    void FormShow();
    void CheckBox1Click();
    void SpeedButton1Click();
    void BitBtn1Click(); // "&Cansultar"
    void BitBtn2Click(); // "&Retornar"

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    data::TDM *dm;
    widgets::Picker m_suppliers;
};
