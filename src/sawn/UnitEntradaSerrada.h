#pragma once

#include "rules/LogInvoice.h"
#include "widgets/MovementHeaderWindow.h"
#include "widgets/PickerWindow.h"

#include "ui_UnitEntradaSerrada.h"

#include <QDate>

namespace data { class TDM; }

// Sawn wood bought in: one supplier invoice at a time, its product lines
// typed in TfrmEntradaSerradaProdutos. A line belongs to its invoice by
// number and supplier code. The controls are the form's.
class TfrmEntradaSerrada : public widgets::MovementHeaderWindow, public Ui::TfrmEntradaSerrada
{
    Q_OBJECT
public:
    explicit TfrmEntradaSerrada(data::TDM *dm, QWidget *parent = nullptr);

    // What each new line copies from the header.
    struct InvoiceFields
    {
        QVariant codigoFornecedor;
        QVariant nfNumero;
        QString fornecedor;
        QVariant cpf;
        QString inscricao;
        QDate dataEmissao;
    };
    InvoiceFields invoiceFields() const;

    // The supplier picker each new invoice starts with.
    void setSupplierPicker(widgets::Picker picker) { m_supplierPicker = std::move(picker); }

    // The emission date, not QWidget's own data.
    using Ui::TfrmEntradaSerrada::data;

    void FormShow() override;
    void BitBtn4Click();  // "&Incluir"
    void BitBtn1Click();  // "&Gravar"
    void BitBtn2Click();  // "&Cancelar"
    void BitBtn3Click();  // "&Retornar"
    void BitBtn5Click();  // "E&xcluir": the current line
    void BitBtn12Click(); // line "Incluir"
    void BitBtn7Click();  // line "Alterar"
    void dataEnter();
    void notaExit();

protected:
    widgets::LineTotals lineTotals() override;
    void lineWindowClosed() override;
    void linesChanged() override;

private:
    rules::InvoiceKey key() const;
    void restrictLines();
    // "Alterar", "Proximo", "Anterior": once the invoice has lines.
    enum { LineSteps = OwnGroup };
    void clearHeader();
    void chooseSupplier();

    data::TDM *dm;
    rules::LogInvoice m_invoices;
    widgets::Picker m_supplierPicker;
    QVariant m_supplierCpf; // of the supplier last chosen
};
