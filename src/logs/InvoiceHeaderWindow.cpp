#include "InvoiceHeaderWindow.h"

#include "core/Amount.h"
#include "core/Formats.h"
#include "core/TaxIdText.h"
#include "data/DataSet.h"
#include "data/Table.h"
#include "widgets/DBEdit.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

using namespace widgets;

namespace {

const QString kNoNumber = QStringLiteral("000000");

template <typename T>
T *control(QWidget *form, const char *name)
{
    auto *w = form->findChild<T *>(QLatin1String(name));
    Q_ASSERT_X(w, "InvoiceHeaderWindow", name);
    return w;
}

} // namespace

void InvoiceHeaderWindow::setInvoice(const InvoiceSets &sets)
{
    m_sets = sets;
    m_party = control<DBEdit>(this, "fornecedor");
    m_nota = control<ZeroPadEdit>(this, "nota");
    m_data = control<DateEdit>(this, "data");
    m_carrier = control<DBEdit>(this, "NOME_TRANSPORTADOR");
    m_totalproduto = control<NumericEdit>(this, "totalproduto");
    m_totalnota = control<NumericEdit>(this, "totalnota");
    m_nota1 = control<QSpinBox>(this, "nota1");
    m_party1 = control<DBLookupComboBox>(this, "fornecedor1");
    m_pages = control<QTabWidget>(this, "PageControl1");
    m_addLine = control<QPushButton>(this, "BitBtn12");
    m_deleteLine = control<QPushButton>(this, "BitBtn9");
    m_nextLine = control<QPushButton>(this, "BitBtn10");
    m_priorLine = control<QPushButton>(this, "BitBtn11");
    connect(m_nota1, &QSpinBox::textChanged, this, &InvoiceHeaderWindow::nota1Changed);
    onEnter(m_nota, [this] { notaEnter(); });
}

rules::InvoiceKey InvoiceHeaderWindow::headerKey() const
{
    rules::InvoiceKey key;
    key.number = m_nota->value();
    if (m_sets.header->isActive())
        key.supplier = m_sets.header->value(QStringLiteral("CODIGOFORNECEDOR"));
    return key;
}

rules::InvoiceKey InvoiceHeaderWindow::linesKey() const
{
    return m_linesKey.isValid() ? m_linesKey : headerKey();
}

void InvoiceHeaderWindow::restrictLines()
{
    const rules::InvoiceKey key = linesKey();
    filterLines(key.number, key.supplier);
}

void InvoiceHeaderWindow::setLineButtons(bool include, bool others)
{
    m_addLine->setEnabled(include);
    for (QPushButton *b : {m_deleteLine, m_nextLine, m_priorLine})
        b->setEnabled(others);
}

bool InvoiceHeaderWindow::showInvoiceLines()
{
    restrictLines();
    if (lines()->isEmpty())
        return false;
    showLinesGrid(true);
    for (QPushButton *b : {m_deleteLine, m_nextLine, m_priorLine})
        b->setEnabled(true);
    recalculateTotals();
    return true;
}

void InvoiceHeaderWindow::recalculateTotals()
{
    restrictLines();
    const LineTotals totals = lineTotals();
    // The header stores the totals as they are shown: 1,23456 m3 as 1,235.
    if (m_sets.header->isEditing()) {
        m_sets.header->setValue(QStringLiteral("VALOR_TOTAL_PRODUTOS"),
                                core::editValue(core::formatAmount(totals.value, QStringLiteral("#0.00"))));
        m_sets.header->setValue(QStringLiteral("QUANTIDADE"),
                                core::editValue(core::formatAmount(totals.volume, QStringLiteral("#0.000"))));
    }
    showTotals(totals);
}

QVector<SaveCheck> InvoiceHeaderWindow::headerChecks()
{
    return {
        {[this] { return m_party->text().isEmpty(); }, QStringLiteral("Fornecedor deve ser informado!"), nullptr},
        {[this] { return m_nota->text() == kNoNumber; }, QStringLiteral("Numero da Nota Fiscal deve ser informado!"),
         m_nota},
        {[this] { return !numberRefusal().isEmpty(); }, numberRefusal(), m_nota},
        {[this] { return !m_data->isValidDate(); }, QStringLiteral("Data de Emissão deve ser informada!"), m_data},
        {[this] { return !control<DateEdit>(this, "saida")->isValidDate(); },
         QStringLiteral("Data da Saida deve ser informada!"), control<DateEdit>(this, "saida")},
        {[this] { return m_carrier->text().trimmed().isEmpty(); }, QStringLiteral("Transportador deve ser informado!"),
         m_carrier},
        {[this] { return m_totalproduto->isZero(); }, QStringLiteral("Valor Total dos Produtos deve ser informado!"),
         m_totalproduto},
        {[this] { return m_totalnota->isZero(); }, QStringLiteral("Valor Total da Nota deve ser informada!"),
         m_totalnota},
    };
}

bool InvoiceHeaderWindow::startInvoice(const QString &noParties, const QString &caption)
{
    if (!partiesExist(m_sets.parties, noParties, caption))
        return false;
    beginInvoice();
    return true;
}

void InvoiceHeaderWindow::beginInvoice()
{
    for (const char *name : {"BitBtn4", "BitBtn3", "BitBtn6", "BitBtn5"})
        control<QPushButton>(this, name)->setEnabled(false);
    m_sets.header->open();
    m_sets.header->append();
    m_linesKey = {};
    m_sets.municipalities->open();
}

void InvoiceHeaderWindow::writeParty(const PickedRow &row, const QString &name, const QString &taxNumber,
                                     const QString &registration, const QString &code)
{
    writeInto(m_party, row.value(name));
    writeInto(control<DBEdit>(this, "DBEdit1"), core::taxIdNumber(row.value(taxNumber)));
    writeInto(control<DBEdit>(this, "inscricao"), row.value(registration));
    writeInto(control<DBEdit>(this, "DBEDIT6"), row.value(code));
}

void InvoiceHeaderWindow::returnToMenu()
{
    m_nota1->setValue(0);
    m_sets.header->cancel();
    lines()->cancel();
    m_linesKey = {};
    closeOwnedDataSets();
    for (const char *name : {"BitBtn4", "BitBtn5", "BitBtn6"})
        control<QPushButton>(this, name)->setEnabled(true);
    showLinesGrid(false);
    closeWindow(QDialog::Rejected);
}

void InvoiceHeaderWindow::finishInvoices()
{
    closeOwnedDataSets();
    for (const char *name : {"BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6"})
        control<QPushButton>(this, name)->setEnabled(true);
    closeWindow(QDialog::Accepted);
}

void InvoiceHeaderWindow::cancelInvoice()
{
    if (lineWindowBusy())
        return;
    if (lines()->isActive() && !lines()->isEmpty()) {
        error(QStringLiteral("Para cancelamento deste lançamento, exclua primeiro o(s) produto(s) informado(s)!"),
              QStringLiteral("Lançamento"), this);
        m_deleteLine->setFocus();
        return;
    }
    m_sets.header->cancel();
    m_sets.header->close();
    lines()->cancel();
    lines()->close();
    m_linesKey = {};
    m_sets.parties->close();
    m_sets.municipalities->close();
    for (const char *name : {"BitBtn4", "BitBtn3", "BitBtn5", "BitBtn6"})
        control<QPushButton>(this, name)->setEnabled(true);
    setLineButtons(false, false);
    m_carrier->setFocus();
    m_data->clearDate();
    showLinesGrid(false);
}

void InvoiceHeaderWindow::showPage(int index)
{
    m_switchingTab = true;
    m_pages->setCurrentIndex(index);
    m_switchingTab = false;
}

void InvoiceHeaderWindow::notaEnter()
{
    if (!m_party->text().isEmpty())
        m_addLine->setEnabled(true);
    else
        setLineButtons(false, false);
}

void InvoiceHeaderWindow::nota1Changed(const QString &text)
{
    if (text.trimmed().size() > 6) {
        error(QStringLiteral("Quantidade de digitos informados excedeu o permitindo, Verifique!"),
              QStringLiteral("Informação"), this);
        m_nota1->setFocus();
        // Cleared once the key that overflowed it has been taken in.
        QMetaObject::invokeMethod(m_nota1, [this] { m_nota1->setValue(0); m_nota1->selectAll(); }, Qt::QueuedConnection);
    }
}

void InvoiceHeaderWindow::BitBtn8Click()
{
    if (!m_party1->hasSelection()) {
        inform(QStringLiteral("Fornecedor deve ser informado!"), QStringLiteral("Informação"), this);
        m_party1->setFocus();
        return;
    }
    const QString party = m_party1->listText();
    auto *invoices = m_sets.found;
    invoices->close();
    if (m_nota1->value() > 0)
        invoices->setFilter(QStringLiteral("RAZAO_SOCIAL = :nome and NF_NUMERO = :nf"),
                            {{QStringLiteral("nome"), party}, {QStringLiteral("nf"), m_nota1->value()}});
    else
        invoices->setFilter(QStringLiteral("RAZAO_SOCIAL = :nome"), {{QStringLiteral("nome"), party}});
    invoices->setFiltered(true);
    invoices->setIndexFieldNames(QStringLiteral("NF_NUMERO"));
    invoices->open();
    auto *confirm = control<QPushButton>(this, "BitBtn13");
    confirm->show();
    if (!invoices->isEmpty()) {
        // The lines follow the invoice under the cursor (number and party).
        m_sets.foundLines->open();
        return;
    }
    invoices->close();
    m_sets.foundLines->close();
    error(QStringLiteral("Não há Nota Fiscal para vizualizar com os critérios informados!"), QStringLiteral("Informação"),
          this);
    m_party1->setFocus();
    confirm->hide();
}
