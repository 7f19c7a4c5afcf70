#pragma once

#include "rules/LogInvoice.h"
#include "widgets/MovementHeaderWindow.h"
#include "widgets/PickerWindow.h"

#include <QDate>

class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace data { class TDM; }
namespace widgets { class DBEdit; class DBGrid; class DateEdit; }

// Sawn wood bought in: one supplier invoice at a time, its product lines
// typed in TfrmEntradaSerradaProdutos. A line belongs to its invoice by
// number and supplier code.
class TfrmEntradaSerrada : public widgets::MovementHeaderWindow
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

    widgets::DBEdit *RAZAO_SOCIAL, *INSC_ESTADUAL, *CGC, *DBEDIT6;
    QSpinBox *nota;
    widgets::DateEdit *data;
    QGroupBox *g;
    widgets::DBGrid *DBGrid2, *DBGrid3;
    QPushButton *BitBtn12, *BitBtn7, *BitBtn10, *BitBtn11;
    QLabel *m3, *valtotal;
    QPushButton *NavFirst, *NavPrior, *NavNext, *NavLast;
    QPushButton *BitBtn4, *BitBtn2, *BitBtn1, *BitBtn5, *BitBtn3;

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
    void returnClicked() override { BitBtn3Click(); }
    widgets::LineTotals lineTotals() override;
    void lineWindowClosed() override;
    void linesChanged() override;

private:
    rules::InvoiceKey key() const;
    void restrictLines();
    void setLineSteps(bool enabled);
    void clearHeader();
    void chooseSupplier();

    data::TDM *dm;
    rules::LogInvoice m_invoices;
    widgets::Picker m_supplierPicker;
};
