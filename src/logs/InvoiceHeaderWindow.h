#pragma once

#include "rules/LogInvoice.h"
#include "widgets/MovementHeaderWindow.h"
#include "widgets/MovementWindow.h"
#include "widgets/PickerWindow.h"

#include <QVector>

#include <functional>

class QPushButton;
class QSpinBox;
class QTabWidget;

namespace data { class DataSet; class Table; }
namespace widgets { class DateEdit; class DBEdit; class DBGrid; class DBLookupComboBox; class NumericEdit; class ZeroPadEdit; }

// The header of an invoice typed against a party (the log intake against a
// supplier, the sale against a client): its lines belong to it by number and
// party; lines saved before the number or party changed stay under the key
// they were saved with until the save moves them; a search page finds the
// party's invoices by name and number. A window built on it keeps its own
// data sets, messages and the rest of its handlers.
//
// takeForm() takes the form's controls under these names: fornecedor,
// DBEdit1, inscricao, DBEDIT6, nota, data, saida, NOME_TRANSPORTADOR,
// totalproduto, totalnota, quantidade, nota1, fornecedor1, PageControl1,
// DBGrid2, DBGrid3, the search page's navigator and its buttons BitBtn1 to
// BitBtn13 (BitBtn12 Incluir, BitBtn9 Excluir, BitBtn10 Proximo, BitBtn11
// Anterior the line buttons).
class InvoiceHeaderWindow : public widgets::MovementHeaderWindow
{
    Q_OBJECT
public:
    using MovementHeaderWindow::MovementHeaderWindow;

    // The totals asked of the database, stored in the header as shown.
    void recalculateTotals();

    // Handlers every invoice header has.
    void FormShow() override; // the form page, nothing loaded
    void BitBtn5Click();  // "E&xcluir": to the search page
    void BitBtn6Click();  // "&Pesquisar"
    void BitBtn7Click();  // "Ca&dastro": back from it
    void BitBtn9Click();  // line "Excluir"
    void BitBtn10Click(); // line "Proximo"
    void BitBtn11Click(); // line "Anterior"
    // The search page and back: the bar's buttons switch; a window adds
    // its own lists.
    virtual void TabPesquisaSelected();
    virtual void TabLancamentoSelected();

protected:
    // When the invoice's buttons may be used, besides how they stand when
    // the window is shown.
    enum InvoiceButtonGroup : unsigned {
        OffWhileTyping = OwnGroup,   // from "&Incluir" until the invoice is saved or dropped
        OffOnSearchPage = OwnGroup << 1,
        FormPageOnly = OwnGroup << 2,   // hidden on the search page
        SearchPageOnly = OwnGroup << 3, // shown on the search page
        DeletesFound = OwnGroup << 4,   // shown once a search is run
        AddsLine = OwnGroup << 5,
        StepsLines = OwnGroup << 6,     // line delete, next and prior: once there are lines
    };

    struct InvoiceSets
    {
        data::Table *header = nullptr;         // the invoice being typed
        data::Table *lines = nullptr;          // its lines
        data::DataSet *parties = nullptr;      // the search page's list of parties
        data::DataSet *municipalities = nullptr;
        data::Table *found = nullptr;          // the invoices the search found
        data::DataSet *foundLines = nullptr;   // their lines
        data::DataSet *anyInvoice = nullptr;   // a query that finds any invoice at all
        QVector<data::DataSet *> alsoOwned = {}; // other data sets "&Retornar" closes
        std::function<rules::InvoiceTotals(const rules::InvoiceKey &)> totals = {};
    };

    // Takes the controls of the form `w` (the names above), its data sets,
    // and the table of its buttons: the ones every invoice has, plus
    // `more` (a window's own).
    template <typename W>
    void takeForm(W *w, const InvoiceSets &sets, QVector<Button> more = {})
    {
        const InvoiceForm form{w->fornecedor, w->DBEdit1, w->inscricao, w->DBEDIT6, w->nota,
                               w->data, w->saida, w->NOME_TRANSPORTADOR, w->totalproduto, w->totalnota,
                               w->quantidade, w->nota1, w->fornecedor1, w->PageControl1, w->DBGrid2,
                               w->DBGrid3, {w->NavFirst, w->NavPrior, w->NavNext, w->NavLast}, w->BitBtn9};
        const QVector<Button> buttons{
            {w->BitBtn4, ShownEnabled | OffWhileTyping | OffOnSearchPage, [w] { w->BitBtn4Click(); }},
            {w->BitBtn1, ShownEnabled | OffOnSearchPage, [w] { w->BitBtn1Click(); }},
            {w->BitBtn2, ShownEnabled | OffOnSearchPage, [w] { w->BitBtn2Click(); }},
            {w->BitBtn3, ShownEnabled | OffWhileTyping | Returns, [w] { w->BitBtn3Click(); }},
            {w->BitBtn5, ShownEnabled | OffWhileTyping | OffOnSearchPage, [w] { w->BitBtn5Click(); }},
            {w->BitBtn6, ShownEnabled | OffWhileTyping | FormPageOnly, [w] { w->BitBtn6Click(); }},
            {w->BitBtn7, ShownHidden | SearchPageOnly, [w] { w->BitBtn7Click(); }},
            {w->BitBtn8, 0, [w] { w->BitBtn8Click(); }},
            {w->BitBtn13, ShownHidden | DeletesFound, [w] { w->BitBtn13Click(); }},
            {w->BitBtn12, ShownDisabled | AddsLine, [w] { w->BitBtn12Click(); }},
            {w->BitBtn9, ShownDisabled | StepsLines, [w] { w->BitBtn9Click(); }},
            {w->BitBtn10, ShownDisabled | StepsLines, [w] { w->BitBtn10Click(); }},
            {w->BitBtn11, ShownDisabled | StepsLines, [w] { w->BitBtn11Click(); }},
        };
        setButtons(buttons + more);
        setInvoice(form, sets);
    }

    // The invoice as the header says (number and party), and the one its
    // lines were saved under while it is entered.
    rules::InvoiceKey headerKey() const;
    rules::InvoiceKey linesKey() const;
    void restrictLines();
    void setLineButtons(bool include, bool others);
    // Reread the invoice's lines: with some, shows them, enables the line
    // buttons and the totals. False when it has none.
    bool showInvoiceLines();
    // The header's checks before its save; the number check refuses with
    // numberRefusal().
    QVector<widgets::SaveCheck> headerChecks();
    virtual QString numberRefusal() const = 0;
    // Before a line is added: the number must be given and free. False,
    // with the number focused, when it is not.
    bool numberReadyForLines();
    // "&Incluir": a new invoice row, once there are parties to choose from.
    bool startInvoice(const QString &noParties, const QString &caption);
    // The new invoice row itself, for a window that starts one otherwise.
    void beginInvoice();
    // The chosen party's name, tax number, state registration and code.
    void writeParty(const widgets::PickedRow &row, const QString &name, const QString &taxNumber,
                    const QString &registration, const QString &code);
    // "&Cancelar": refused while lines are stored; else the invoice is dropped.
    void cancelInvoice();
    // "&Retornar": the row being typed is dropped and the window closes.
    void returnToMenu();
    // No to "Continua Lançamento?": the window closes.
    void finishInvoices();
    // The search page's page switch, without running its selection handlers.
    void showPage(int index);
    bool switchingPage() const { return m_switchingTab; }

    void notaEnter();
    void nota1Changed(const QString &text);
    void BitBtn8Click(); // "Pesquisar" on the search page

    // After a line was deleted from the header: the totals again.
    void linesChanged() override;
    widgets::LineTotals lineTotals() override;

    rules::InvoiceKey m_linesKey;

private:
    struct InvoiceForm
    {
        widgets::DBEdit *party, *taxNumber, *registration, *partyCode;
        widgets::ZeroPadEdit *nota;
        widgets::DateEdit *data, *saida;
        widgets::DBEdit *carrier;
        widgets::NumericEdit *totalproduto, *totalnota;
        QWidget *volume;
        QSpinBox *nota1;
        widgets::DBLookupComboBox *party1;
        QTabWidget *pages;
        widgets::DBGrid *linesGrid, *emptyGrid;
        QVector<QPushButton *> navigator;
        QPushButton *deleteLine;
    };
    void setInvoice(const InvoiceForm &form, const InvoiceSets &sets);
    // To the search page when there is any invoice at all.
    void openSearch(const QString &none, const QString &caption);

    InvoiceForm m_form{};
    InvoiceSets m_sets;
    bool m_switchingTab = false;
};
