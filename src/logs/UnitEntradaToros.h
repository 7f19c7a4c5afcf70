#pragma once

#include "NfeIntake.h"
#include "rules/LogInvoice.h"
#include "widgets/MovementHeaderWindow.h"
#include "widgets/PickerWindow.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace data { class TDM; class Query; }
namespace widgets {
class DBComboBox;
class DBEdit;
class DBGrid;
class DBLookupComboBox;
class DateEdit;
class NumericEdit;
class ZeroPadEdit;
}

class TfrmEntradaTorosProdutos;
class TfrmEtiquetas;

// Log intake: one supplier invoice at a time (header here, one log per line
// in TfrmEntradaTorosProdutos), and a tab to find and delete invoices.
// A log line belongs to its invoice by number and supplier code.
class TfrmEntradaToros : public widgets::MovementHeaderWindow
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

    // The invoice totals recalculation (after a line is deleted here and when
    // the line window closes): sums asked of the database.
    void recalculateTotals();

    // Controls, under the names the handlers use.
    widgets::DBEdit *fornecedor, *inscricao, *DBEDIT6, *DBEdit1, *hora;
    widgets::ZeroPadEdit *nota;
    widgets::DateEdit *data, *saida;
    QLineEdit *maskedit1;
    widgets::DBEdit *NOME_TRANSPORTADOR, *PLACA, *CNPJ_CPF, *ENDERECO_TRANSPORTADOR, *UF_TRANSPORTADOR,
        *IE_TRANSPORTADOR, *ESPECIE, *MARCA;
    widgets::DBComboBox *FRETE, *PLACA_UF;
    widgets::DBLookupComboBox *MUNICIPIO_TRANSPORTADOR;
    widgets::NumericEdit *NUMERO, *PESO_BRUTO, *PESO_LIQUIDO;
    widgets::DBGrid *DBGrid2, *DBGrid3;
    QPushButton *BitBtn12, *BitBtn9, *BitBtn10, *BitBtn11;
    widgets::NumericEdit *quantidade, *totalproduto, *totalnota, *bcicms, *aliqicms, *BASE_CALCULO_ICMS_SUBST,
        *bcfunrural, *aliqfunrural, *VALOR_FRETE, *VALOR_SEGURO, *OUTRAS_DESPESAS, *valicms, *VALOR_ICMS_SUBST,
        *valfunrural, *VALOR_IPI;
    QSpinBox *nota1;
    widgets::DBLookupComboBox *fornecedor1;
    QPushButton *BitBtn8;
    QPushButton *BitBtnEtiquetas; // "Etiquetas": plate labels of the invoice found
    widgets::DBGrid *DBGrid1, *DBGrid6, *DBGrid4, *DBGrid5;
    widgets::DBEdit *DBEdit2;
    QTabWidget *PageControl1;
    QPushButton *BitBtn4, *BitBtn2, *BitBtn1, *BitBtn5, *BitBtn13, *BitBtn6, *BitBtn7, *BitBtn3;
    QPushButton *NavFirst, *NavPrior, *NavNext, *NavLast;
    QPushButton *ImportarNFe; // "Importar NF-e"
    logs::NfeIntake nfeIntake;

    // Handlers, named after the control and the event.
    void FormShow() override;
    void BitBtn4Click();  // "&Incluir"
    void BitBtn1Click();  // "&Gravar"
    void BitBtn2Click();  // "&Cancelar"
    void BitBtn3Click();  // "&Retornar"
    void BitBtn5Click();  // "E&xcluir"
    void BitBtn6Click();  // "&Pesquisar"
    void BitBtn7Click();  // "Ca&dastro"
    void BitBtn8Click();  // "Pesquisar" on the search tab
    void BitBtn9Click();  // line "Excluir"
    void BitBtn10Click(); // line "Proximo"
    void BitBtn11Click(); // line "Anterior"
    void BitBtn12Click(); // line "Incluir"
    void BitBtn13Click(); // "&Confirma": delete the invoice
    void ImportarNFeClick();
    void BitBtnEtiquetasClick();
    void notaEnter();
    void dataEnter();
    void saidaEnter();
    void maskedit1Exit();
    void MUNICIPIO_TRANSPORTADORExit();
    void PESO_LIQUIDOExit();
    void takeProductsTotal(widgets::NumericEdit *edit);
    void aliqicmsExit();
    void aliqfunruralExit();
    void OUTRAS_DESPESASExit();
    void nota1Changed(const QString &text);
    void DBGrid1Follow();
    void TabLancamentoSelected();
    void TabPesquisaSelected();

protected:
    void returnClicked() override { BitBtn3Click(); }
    widgets::LineTotals lineTotals() override;
    void lineWindowClosed() override;
    void linesChanged() override;

private:
    void buildUi();
    QWidget *buildEntryTab();
    QWidget *buildSearchTab();
    void setLineButtons(bool include, bool others);
    void restrictLines();
    bool invoiceNumberTaken() const;
    // The invoice as the header now says (number and supplier), and the one
    // its lines were saved under while it is entered; they differ when the
    // number was changed after lines were saved, until "&Gravar" moves them.
    rules::InvoiceKey headerKey() const;
    rules::InvoiceKey linesKey() const;
    void writeResult(widgets::NumericEdit *edit, const QString &column, double value);
    void setIdleButtons();
    void chooseSupplier();

    data::TDM *dm;
    rules::LogInvoice m_invoices;
    rules::InvoiceKey m_linesKey;
    widgets::Picker m_supplierPicker;
    bool m_switchingTab = false;
    TfrmEtiquetas *m_labels = nullptr;
};
