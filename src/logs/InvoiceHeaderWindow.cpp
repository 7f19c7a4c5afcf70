#include "InvoiceHeaderWindow.h"

#include "core/Amount.h"
#include "core/Formats.h"
#include "core/TaxIdText.h"
#include "data/DataSet.h"
#include "data/Table.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
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
const QString kLancamento = QStringLiteral("Lançamento");

} // namespace

void InvoiceHeaderWindow::setInvoice(const InvoiceForm &form, const InvoiceSets &sets)
{
    m_form = form;
    m_sets = sets;
    setMovementWindowFlags(this);
    setLines(sets.lines, QStringLiteral("NFNUMERO"), QStringLiteral("CODIGOFORNECEDOR"));
    QVector<data::DataSet *> owned{sets.header, sets.lines, sets.found, sets.foundLines, sets.parties};
    owned << sets.alsoOwned << sets.municipalities;
    setOwnedDataSets(owned);
    setTotalsDisplay(form.volume, QStringLiteral("#0.000"), form.totalproduto, QStringLiteral("#0.00"));
    setLinesGrids(form.linesGrid, form.emptyGrid);
    navigate(form.navigator, sets.found);
    connect(form.nota1, &QSpinBox::textChanged, this, &InvoiceHeaderWindow::nota1Changed);
    onEnter(form.nota, [this] { notaEnter(); });
    connect(form.pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (!switchingPage())
            guarded(this, [&] { index == 1 ? TabPesquisaSelected() : TabLancamentoSelected(); });
    });
}

void InvoiceHeaderWindow::FormShow()
{
    m_sets.header->close();
    m_linesKey = {};
    showPage(0);
    showGroup(SearchPageOnly, false);
    showGroup(FormPageOnly, true);
    m_form.carrier->setFocus();
}

rules::InvoiceKey InvoiceHeaderWindow::headerKey() const
{
    rules::InvoiceKey key;
    key.number = m_form.nota->value();
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
    enableGroup(AddsLine, include);
    enableGroup(StepsLines, others);
}

bool InvoiceHeaderWindow::showInvoiceLines()
{
    restrictLines();
    if (lines()->isEmpty())
        return false;
    showLinesGrid(true);
    enableGroup(StepsLines, true);
    recalculateTotals();
    return true;
}

LineTotals InvoiceHeaderWindow::lineTotals()
{
    const rules::InvoiceTotals totals = m_sets.totals(linesKey());
    return {totals.volume, totals.value, totals.lines};
}

void InvoiceHeaderWindow::linesChanged()
{
    restrictLines();
    recalculateTotals();
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
    const InvoiceForm &f = m_form;
    return {
        {[f] { return f.party->text().isEmpty(); }, QStringLiteral("Fornecedor deve ser informado!"), nullptr},
        {[f] { return f.nota->text() == kNoNumber; }, QStringLiteral("Numero da Nota Fiscal deve ser informado!"),
         f.nota},
        {[this] { return !numberRefusal().isEmpty(); }, numberRefusal(), f.nota},
        {[f] { return !f.data->isValidDate(); }, QStringLiteral("Data de Emissão deve ser informada!"), f.data},
        {[f] { return !f.saida->isValidDate(); }, QStringLiteral("Data da Saida deve ser informada!"), f.saida},
        {[f] { return f.carrier->text().trimmed().isEmpty(); }, QStringLiteral("Transportador deve ser informado!"),
         f.carrier},
        {[f] { return f.totalproduto->isZero(); }, QStringLiteral("Valor Total dos Produtos deve ser informado!"),
         f.totalproduto},
        {[f] { return f.totalnota->isZero(); }, QStringLiteral("Valor Total da Nota deve ser informada!"),
         f.totalnota},
    };
}

bool InvoiceHeaderWindow::numberReadyForLines()
{
    QString refusal;
    if (m_form.nota->text() == kNoNumber)
        refusal = QStringLiteral("Numero da Nota Fiscal deve ser informada!");
    else
        refusal = numberRefusal();
    if (!refusal.isEmpty()) {
        inform(refusal, kLancamento, this);
        m_form.nota->setFocus();
        return false;
    }
    if (!m_linesKey.isValid())
        m_linesKey = headerKey();
    return true;
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
    enableGroup(OffWhileTyping, false);
    m_sets.header->open();
    m_sets.header->append();
    m_linesKey = {};
    m_sets.municipalities->open();
}

void InvoiceHeaderWindow::writeParty(const PickedRow &row, const QString &name, const QString &taxNumber,
                                     const QString &registration, const QString &code)
{
    writeInto(m_form.party, row.value(name));
    writeInto(m_form.taxNumber, core::taxIdNumber(row.value(taxNumber)));
    writeInto(m_form.registration, row.value(registration));
    writeInto(m_form.partyCode, row.value(code));
}

void InvoiceHeaderWindow::returnToMenu()
{
    m_form.nota1->setValue(0);
    m_sets.header->cancel();
    lines()->cancel();
    m_linesKey = {};
    closeOwnedDataSets();
    enableGroup(OffWhileTyping, true);
    showLinesGrid(false);
    closeWindow(QDialog::Rejected);
}

void InvoiceHeaderWindow::finishInvoices()
{
    closeOwnedDataSets();
    enableGroup(OffWhileTyping, true);
    closeWindow(QDialog::Accepted);
}

void InvoiceHeaderWindow::cancelInvoice()
{
    if (lineWindowBusy())
        return;
    if (lines()->isActive() && !lines()->isEmpty()) {
        error(QStringLiteral("Para cancelamento deste lançamento, exclua primeiro o(s) produto(s) informado(s)!"),
              kLancamento, this);
        m_form.deleteLine->setFocus();
        return;
    }
    m_sets.header->cancel();
    m_sets.header->close();
    lines()->cancel();
    lines()->close();
    m_linesKey = {};
    m_sets.parties->close();
    m_sets.municipalities->close();
    enableGroup(OffWhileTyping, true);
    setLineButtons(false, false);
    m_form.carrier->setFocus();
    m_form.data->clearDate();
    showLinesGrid(false);
}

void InvoiceHeaderWindow::showPage(int index)
{
    m_switchingTab = true;
    m_form.pages->setCurrentIndex(index);
    m_switchingTab = false;
}

void InvoiceHeaderWindow::notaEnter()
{
    if (!m_form.party->text().isEmpty())
        enableGroup(AddsLine, true);
    else
        setLineButtons(false, false);
}

void InvoiceHeaderWindow::nota1Changed(const QString &text)
{
    QSpinBox *nota1 = m_form.nota1;
    if (text.trimmed().size() > 6) {
        error(QStringLiteral("Quantidade de digitos informados excedeu o permitindo, Verifique!"),
              QStringLiteral("Informação"), this);
        nota1->setFocus();
        // Cleared once the key that overflowed it has been taken in.
        QMetaObject::invokeMethod(nota1, [nota1] { nota1->setValue(0); nota1->selectAll(); }, Qt::QueuedConnection);
    }
}

void InvoiceHeaderWindow::BitBtn9Click()
{
    deleteLine();
}

void InvoiceHeaderWindow::BitBtn10Click()
{
    stepLines(&data::DataSet::next);
}

void InvoiceHeaderWindow::BitBtn11Click()
{
    stepLines(&data::DataSet::prior);
}

// The search page ---------------------------------------------------------------

void InvoiceHeaderWindow::openSearch(const QString &none, const QString &caption)
{
    m_sets.anyInvoice->open();
    const bool empty = m_sets.anyInvoice->isEmpty();
    m_sets.anyInvoice->close();
    if (empty) {
        inform(none, caption, this);
        return;
    }
    showPage(1);
    TabPesquisaSelected();
    m_form.party1->setFocus();
}

void InvoiceHeaderWindow::BitBtn5Click()
{
    openSearch(QStringLiteral("Não há Lançamento(s) para ser(em) Excluido(s)!"), QStringLiteral("Exclusão"));
}

void InvoiceHeaderWindow::BitBtn6Click()
{
    openSearch(QStringLiteral("Não há Lançamento(s) para ser(em) pesquisado(s)!"), QStringLiteral("Pesquisa"));
}

void InvoiceHeaderWindow::BitBtn7Click()
{
    showPage(0);
    TabLancamentoSelected();
}

void InvoiceHeaderWindow::TabPesquisaSelected()
{
    m_form.nota1->setValue(0);
    showGroup(FormPageOnly, false);
    showGroup(SearchPageOnly, true);
    enableGroup(OffOnSearchPage, false);
}

void InvoiceHeaderWindow::TabLancamentoSelected()
{
    showGroup(SearchPageOnly | DeletesFound, false);
    showGroup(FormPageOnly, true);
    enableGroup(OffOnSearchPage, true);
    m_sets.found->close();
    m_sets.foundLines->close();
    m_form.carrier->setFocus();
}

void InvoiceHeaderWindow::BitBtn8Click()
{
    DBLookupComboBox *party1 = m_form.party1;
    if (!party1->hasSelection()) {
        inform(QStringLiteral("Fornecedor deve ser informado!"), QStringLiteral("Informação"), this);
        party1->setFocus();
        return;
    }
    const QString party = party1->listText();
    auto *invoices = m_sets.found;
    invoices->close();
    const int number = m_form.nota1->value();
    if (number > 0)
        invoices->setFilter(QStringLiteral("RAZAO_SOCIAL = :nome and NF_NUMERO = :nf"),
                            {{QStringLiteral("nome"), party}, {QStringLiteral("nf"), number}});
    else
        invoices->setFilter(QStringLiteral("RAZAO_SOCIAL = :nome"), {{QStringLiteral("nome"), party}});
    invoices->setFiltered(true);
    invoices->setIndexFieldNames(QStringLiteral("NF_NUMERO"));
    invoices->open();
    showGroup(DeletesFound, true);
    if (!invoices->isEmpty()) {
        // The lines follow the invoice under the cursor (number and party).
        m_sets.foundLines->open();
        return;
    }
    invoices->close();
    m_sets.foundLines->close();
    error(QStringLiteral("Não há Nota Fiscal para vizualizar com os critérios informados!"), QStringLiteral("Informação"),
          this);
    party1->setFocus();
    showGroup(DeletesFound, false);
}
