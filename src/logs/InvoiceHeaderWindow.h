#pragma once

#include "rules/LogInvoice.h"
#include "widgets/MovementHeaderWindow.h"
#include "widgets/MovementWindow.h"
#include "widgets/PickerWindow.h"

class QPushButton;
class QSpinBox;
class QTabWidget;

namespace data { class DataSet; class Table; }
namespace widgets { class DateEdit; class DBEdit; class DBLookupComboBox; class NumericEdit; class ZeroPadEdit; }

// The header of an invoice typed against a party (the log intake against a
// supplier, the sale against a client): its lines belong to it by number and
// party; lines saved before the number or party changed stay under the key
// they were saved with until the save moves them; a search page finds the
// party's invoices by name and number. A window built on it keeps its own
// data sets, messages and the rest of its handlers.
//
// The form holds the controls under these names: fornecedor, nota, data,
// saida, NOME_TRANSPORTADOR, totalproduto, totalnota, nota1, fornecedor1,
// PageControl1 and the line buttons BitBtn12 (Incluir), BitBtn9 (Excluir),
// BitBtn10 (Proximo), BitBtn11 (Anterior).
class InvoiceHeaderWindow : public widgets::MovementHeaderWindow
{
    Q_OBJECT
public:
    using MovementHeaderWindow::MovementHeaderWindow;

    // The totals asked of the database, stored in the header as shown.
    void recalculateTotals();

protected:
    struct InvoiceSets
    {
        data::Table *header = nullptr;         // the invoice being typed
        data::DataSet *parties = nullptr;      // the search page's list of parties
        data::DataSet *municipalities = nullptr;
        data::Table *found = nullptr;          // the invoices the search found
        data::DataSet *foundLines = nullptr;   // their lines
    };
    // Called once the form is set up.
    void setInvoice(const InvoiceSets &sets);

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

    // Handlers every invoice header has.
    void notaEnter();
    void nota1Changed(const QString &text);
    void BitBtn8Click(); // "Pesquisar" on the search page

    rules::InvoiceKey m_linesKey;

private:
    InvoiceSets m_sets;
    widgets::DBEdit *m_party = nullptr;
    widgets::ZeroPadEdit *m_nota = nullptr;
    widgets::DateEdit *m_data = nullptr;
    widgets::DBEdit *m_carrier = nullptr;
    widgets::NumericEdit *m_totalproduto = nullptr, *m_totalnota = nullptr;
    QSpinBox *m_nota1 = nullptr;
    widgets::DBLookupComboBox *m_party1 = nullptr;
    QTabWidget *m_pages = nullptr;
    QPushButton *m_addLine = nullptr, *m_deleteLine = nullptr, *m_nextLine = nullptr, *m_priorLine = nullptr;
    bool m_switchingTab = false;
};
