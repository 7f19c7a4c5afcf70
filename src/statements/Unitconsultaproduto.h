#pragma once

#include "rules/SawnSale.h"
#include "widgets/PickerWindow.h"
#include "widgets/QueryWindow.h"

#include "ui_Unitconsultaproduto.h"

// "Consulta Lançamento": the sale lines of one client, invoice and species,
// with their count, volume and value.
class TfrmConsultaProduto : public widgets::QueryWindow, public Ui::TfrmConsultaProduto
{
    Q_OBJECT
public:
    explicit TfrmConsultaProduto(data::TDM *dm, QWidget *parent = nullptr);

    void setClientPicker(widgets::Picker picker) { m_clientPicker = std::move(picker); }

    // Edit2 and FORNECEDOR: the client's code and name, from the client
    // picker; Edit1 (hidden): the chosen species' code.
    void FormShow() override;
    void SpeedButton1Click();
    void DBLookupComboBox1Click();
    void BitBtn1Click(); // "&Cansultar"
    void BitBtn2Click(); // "&Retornar"

private:
    void showTotals(const rules::InvoiceTotals &totals);

    rules::SawnSale m_sale;
    widgets::Picker m_clientPicker;
};
