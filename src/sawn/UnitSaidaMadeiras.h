#pragma once

#include "rules/SawnSale.h"
#include "logs/InvoiceHeaderWindow.h"
#include "widgets/PickerWindow.h"

#include "ui_UnitSaidaMadeiras.h"

namespace data { class TDM; }

struct SaleLineInvoice;

// Sawn-wood sale: one client invoice at a time (header here, one product
// per line in TfrmSaidaMadeirasProdutos), and a page to find and delete
// invoices. A line belongs to its invoice by number and client code. The
// controls are the form's, under the names the handlers use.
class TfrmSaidaMadeiras : public InvoiceHeaderWindow, public Ui::TfrmSaidaMadeiras
{
    Q_OBJECT
public:
    explicit TfrmSaidaMadeiras(data::TDM *dm, QWidget *parent = nullptr);

    // The client picker each new invoice starts with.
    void setClientPicker(widgets::Picker picker) { m_clientPicker = std::move(picker); }

    // What each new line copies from the header.
    SaleLineInvoice lineInvoice() const;

    // The emission date, not QWidget's own data.
    using Ui::TfrmSaidaMadeiras::data;

    void BitBtn4Click();  // "&Incluir"
    void BitBtn1Click();  // "&Gravar"
    void BitBtn2Click();  // "&Cancelar"
    void BitBtn3Click();  // "&Retornar"
    void BitBtn12Click(); // line "Incluir"
    void BitBtn13Click(); // "&Confirma": delete the invoice
    void notaExit();
    void TabLancamentoSelected() override;
    void TabPesquisaSelected() override;

protected:
    void lineWindowClosed() override;
    void linesChanged() override;

private:
    // The refusal of a number already used, empty when it is free.
    QString numberRefusal() const override;
    void chooseClient();

    data::TDM *dm;
    rules::SawnSale m_sale;
    widgets::Picker m_clientPicker;
};
