#pragma once

#include "rules/SawnSale.h"
#include "widgets/MovementHeaderWindow.h"
#include "widgets/PickerWindow.h"

class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace data { class TDM; }
namespace widgets {
class DBComboBox;
class DBEdit;
class DBGrid;
class DBLookupComboBox;
class DateEdit;
class NumericEdit;
class ZeroPadEdit;
}

struct SaleLineInvoice;

// Sawn-wood sale: one client invoice at a time (header here, one product
// per line in TfrmSaidaMadeirasProdutos), and a page to find and delete
// invoices. A line belongs to its invoice by number and client code.
class TfrmSaidaMadeiras : public widgets::MovementHeaderWindow
{
    Q_OBJECT
public:
    explicit TfrmSaidaMadeiras(data::TDM *dm, QWidget *parent = nullptr);

    // The client picker each new invoice starts with.
    void setClientPicker(widgets::Picker picker) { m_clientPicker = std::move(picker); }

    // What each new line copies from the header.
    SaleLineInvoice lineInvoice() const;

    widgets::DBEdit *fornecedor, *inscricao, *DBEdit1, *DBEDIT6, *hora;
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
    widgets::DBGrid *DBGrid1, *DBGrid6, *DBGrid4, *DBGrid5;
    QTabWidget *PageControl1;
    QPushButton *BitBtn4, *BitBtn2, *BitBtn1, *BitBtn5, *BitBtn13, *BitBtn6, *BitBtn7, *BitBtn3;

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
    QWidget *buildEntryTab();
    QWidget *buildSearchTab();
    void buildBar(QLayout *layout);
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
    void writeResult(widgets::NumericEdit *edit, const QString &column, double value);
    void showPage(int index);
    void chooseClient();

    data::TDM *dm;
    rules::SawnSale m_sale;
    rules::InvoiceKey m_linesKey;
    widgets::Picker m_clientPicker;
    bool m_switchingTab = false;
};
