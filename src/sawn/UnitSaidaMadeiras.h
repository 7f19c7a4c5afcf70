#pragma once

#include "rules/SawnSale.h"
#include "widgets/MovementHeaderWindow.h"
#include "widgets/PickerWindow.h"

#include "ui_UnitSaidaMadeiras.h"

namespace data { class TDM; }

struct SaleLineInvoice;

// Sawn-wood sale: one client invoice at a time (header here, one product
// per line in TfrmSaidaMadeirasProdutos), and a page to find and delete
// invoices. A line belongs to its invoice by number and client code. The
// controls are the form's, under the names the handlers use.
class TfrmSaidaMadeiras : public widgets::MovementHeaderWindow, public Ui::TfrmSaidaMadeiras
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

    void FormShow() override;
    void BitBtn4Click();  // "&Incluir"
    void BitBtn1Click();  // "&Gravar"
    void BitBtn2Click();  // "&Cancelar"
    void BitBtn3Click();  // "&Retornar"
    void BitBtn5Click();  // "E&xcluir"
    void BitBtn6Click();  // "&Pesquisar"
    void BitBtn7Click();  // "Ca&dastro"
    void BitBtn8Click();  // "Pesquisar" on the search page
    void BitBtn12Click(); // line "Incluir"
    void BitBtn13Click(); // "&Confirma": delete the invoice
    void notaEnter();
    void notaExit();
    void nota1Changed(const QString &text);
    void TabLancamentoSelected();
    void TabPesquisaSelected();
    // The totals asked of the database, stored in the header as shown.
    void recalculateTotals();

protected:
    void returnClicked() override { BitBtn3Click(); }
    widgets::LineTotals lineTotals() override;
    void lineWindowClosed() override;
    void linesChanged() override;

private:
    void connectHandlers();
    void setLineButtons(bool include, bool others);
    void restrictLines();
    // The invoice as the header says (number and client), and the one its
    // lines were saved under while it is entered; they differ when the
    // number or client was changed after lines were saved, until "&Gravar"
    // moves them.
    rules::InvoiceKey headerKey() const;
    rules::InvoiceKey linesKey() const;
    // The refusal of a number already used, empty when it is free.
    QString numberRefusal() const;
    void showPage(int index);
    void chooseClient();

    data::TDM *dm;
    rules::SawnSale m_sale;
    rules::InvoiceKey m_linesKey;
    widgets::Picker m_clientPicker;
    bool m_switchingTab = false;
};
