#pragma once

#include "InvoiceHeaderWindow.h"
#include "NfeIntake.h"
#include "rules/LogInvoice.h"
#include "widgets/PickerWindow.h"

#include "ui_UnitEntradaToros.h"

namespace data { class TDM; }
namespace widgets { class InvoiceTaxCarrier; }

class TfrmEntradaTorosProdutos;
class TfrmEtiquetas;

// Log intake: one supplier invoice at a time (header here, one log per line
// in TfrmEntradaTorosProdutos), and a tab to find and delete invoices.
// A log line belongs to its invoice by number and supplier code. The
// controls are the form's, under the names the handlers use.
class TfrmEntradaToros : public InvoiceHeaderWindow, public Ui::TfrmEntradaToros
{
    Q_OBJECT
public:
    explicit TfrmEntradaToros(data::TDM *dm, QWidget *parent = nullptr);

    // The supplier picker each new invoice starts with.
    void setSupplierPicker(widgets::Picker picker) { m_supplierPicker = std::move(picker); }

    // What the line window copies from the header into each new line.
    struct InvoiceFields
    {
        QVariant codigoFornecedor;
        QString nota;       // as shown, "000123"
        QVariant nfNumero;  // the number itself
        QString fornecedor;
        QVariant cpf;
        QString inscricao;
        QString dataEmissao; // "dd/MM/yyyy" or "00/00/0000"
    };
    InvoiceFields invoiceFields() const;
    QString data_text() const;

    // The emission date, not QWidget's own data.
    using Ui::TfrmEntradaToros::data;

    logs::NfeIntake nfeIntake;

    // Handlers, named after the control and the event.
    void BitBtn4Click();  // "&Incluir"
    void BitBtn1Click();  // "&Gravar"
    void BitBtn2Click();  // "&Cancelar"
    void BitBtn3Click();  // "&Retornar"
    void BitBtn12Click(); // line "Incluir"
    void BitBtn13Click(); // "&Confirma": delete the invoice
    void ImportarNFeClick();
    void BitBtnEtiquetasClick();
    void TabLancamentoSelected() override;
    void TabPesquisaSelected() override;

protected:
    void lineWindowClosed() override;

private:
    QString numberRefusal() const override;
    void chooseSupplier();

    data::TDM *dm;
    rules::LogInvoice m_invoices;
    widgets::Picker m_supplierPicker;
    widgets::InvoiceTaxCarrier *m_taxCarrier = nullptr;
    TfrmEtiquetas *m_labels = nullptr;
};
