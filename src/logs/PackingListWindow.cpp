#include "PackingListWindow.h"

#include "core/EditMask.h"
#include "core/TaxIdText.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/FieldWidth.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace widgets;

namespace logs {

namespace {

const QString kConfirmacao = QStringLiteral("Confirmação");
const QString kInformacao = QStringLiteral("Informação");

} // namespace

void PackingListLineWindow::setHeader(std::function<PackingListTarget()> target, std::function<void()> posted)
{
    m_target = std::move(target);
    m_posted = std::move(posted);
}

void PackingListLineWindow::postToList(data::DataSet *rows)
{
    if (m_target) {
        const PackingListTarget target = m_target();
        rows->setValue(QStringLiteral("NF"), target.list.number);
        rows->setValue(QStringLiteral("DATA"), target.date.isValid() ? QVariant(target.date) : QVariant());
        rows->setValue(QStringLiteral("CODEMPRESA"), target.list.client);
    }
    rows->post();
    if (m_posted)
        m_posted();
}

PackingListWindow::PackingListWindow(data::TDM *dm_, QWidget *parent) : MovementHeaderWindow(parent), dm(dm_) {}

void PackingListWindow::setReportWindows(WindowSource report, WindowSource company)
{
    m_report = std::move(report);
    m_company = std::move(company);
}

void PackingListWindow::setUp(Setup setup, const QVector<QPushButton *> &navigator)
{
    m_lists = std::move(setup.lists);
    m_noListMessage = setup.noListMessage;
    FormBinder::bind(this, setup.source);

    // The CNPJ's digits, written from the client picker's row, shown masked.
    const core::EditMask cnpjMask(core::cnpjMask());
    MaskEdit1->setInputMask(cnpjMask.inputMask());
    connect(inscricao, &QLineEdit::textChanged, this, [this, cnpjMask](const QString &digits) {
        if (cnpjMask.stripLiterals(MaskEdit1->text()) != digits)
            MaskEdit1->setText(digits);
    });
    fitWidthTo(fornecedor, QStringLiteral("MADEIREIRA E SERRARIA NOSSA SENHORA APARECIDA LTDA"));
    fitWidthTo(MaskEdit1, QStringLiteral("00.000.000/0000-00"));

    navigate(navigator, setup.rows);
    setButtons({{BitBtn5, ShownEnabled, [this] { BitBtn5Click(); }},
                {BitBtn6, ShownEnabled, [this] { BitBtn6Click(); }},
                {BitBtn4, ShownEnabled, [this] { BitBtn4Click(); }},
                {BitBtn2, ShownEnabled, [this] { BitBtn2Click(); }},
                {BitBtn3, ShownEnabled | Returns, [this] { BitBtn3Click(); }},
                {BitBtn12, ShownDisabled | LineButtons, [this] { BitBtn12Click(); }},
                {BitBtn7, ShownDisabled | LineButtons, [this] { BitBtn7Click(); }},
                {BitBtn9, ShownDisabled | LineButtons, [this] { deleteLine(nota); }},
                {BitBtn10, ShownDisabled | LineButtons, [this] { stepLines(&data::DataSet::next); }},
                {BitBtn11, ShownDisabled | LineButtons, [this] { stepLines(&data::DataSet::prior); }}},
               {{}, {nota, data}, {}});
    onEnter(data, [this] { dataEnter(); });
    onExit(nota, [this] { notaExit(); });

    setLines(setup.rows, QStringLiteral("NF"), QStringLiteral("CODEMPRESA"));
    setLineWindow(std::move(setup.lineWindow));
    setOwnedDataSets({setup.rows, dm->QCredor, dm->QEssencia});
    setTotalsDisplay(m3, QStringLiteral("#0.0000"), valtotal, QStringLiteral("#0.00"));
}

void PackingListWindow::FormShow()
{
    BitBtn5->setFocus();
}

void PackingListWindow::clearClient()
{
    for (QLineEdit *e : {fornecedor, inscricao, MaskEdit1, Edit1})
        e->clear();
    m3->clear();
    valtotal->clear();
    nota->setValue(0);
    data->clearDate();
}

void PackingListWindow::dropList()
{
    g->setTitle(QStringLiteral("Produtos "));
    lines()->cancel();
    lines()->setFiltered(false);
    lines()->close();
    clearClient();
    nota->setEnabled(false);
    data->setEnabled(false);
    enableGroup(LineButtons, false);
}

void PackingListWindow::openList()
{
    m_listKey = {nota->value(), Edit1->text().toDouble()};
    filterLines(m_listKey.number, m_listKey.client);
}

void PackingListWindow::setRowCountCaption()
{
    g->setTitle(QStringLiteral("Produtos > %1").arg(lines()->isActive() ? lines()->recordCount() : 0));
}

LineTotals PackingListWindow::lineTotals()
{
    const rules::PackingListTotals totals = m_lists->totals(m_listKey);
    return {totals.volume, totals.value, totals.lines};
}

void PackingListWindow::BitBtn5Click()
{
    if (!partiesExist(dm->QCredor, QStringLiteral("Não há Cliente(s) Cadastrado(s), Verifíque!"), QStringLiteral("Saída")))
        return;
    clearClient();
    BitBtn12->setEnabled(true);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn7, BitBtn11})
        b->setEnabled(false);
    lines()->setFiltered(false);
    lines()->close();
    chooseClient();
}

// Closed without a choice the list goes back to no number and no line can
// be added.
void PackingListWindow::chooseClient()
{
    const std::optional<PickedRow> row = m_clientPicker.choose();
    if (!row) {
        nota->setValue(0);
        BitBtn12->setEnabled(false);
        dm->QCredor->close();
        return;
    }
    fornecedor->setText(row->text(QStringLiteral("NOMECREDOR")).toUpper());
    inscricao->setText(row->text(QStringLiteral("CNPJ")));
    Edit1->setText(row->text(QStringLiteral("CODIGOCREDOR")));
    nota->setEnabled(true);
    data->setEnabled(true);
    activateWindow();
    nota->setFocus();
}

void PackingListWindow::dataEnter()
{
    data->setDate(QDate::currentDate());
}

void PackingListWindow::notaExit()
{
    if (lineWindowBusy() || Edit1->text().isEmpty())
        return;
    openList();
    if (!lines()->isEmpty()) {
        setRowCountCaption();
        enableGroup(LineButtons, true);
        showTotals();
        if (ask(QStringLiteral("Já possui lançamento para o numero de Nota Fiscal informado, do Cliente selecionado, "
                               "Deseja Continuar?"), kConfirmacao, this))
            return;
        nota->setFocus();
        nota->setValue(0);
        openList();
    }
    setRowCountCaption();
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn7, BitBtn11})
        b->setEnabled(false);
}

void PackingListWindow::BitBtn12Click()
{
    if (lineWindowBusy())
        return;
    openList();
    lines()->append();
    showLineWindow();
}

void PackingListWindow::BitBtn7Click()
{
    if (lineWindowBusy() || lines()->isEmpty())
        return;
    lines()->edit();
    showLineWindow();
}

void PackingListWindow::showLineWindow()
{
    auto *w = qobject_cast<PackingListLineWindow *>(lineWindow());
    if (!w)
        return;
    w->setHeader([this] { return PackingListTarget{m_listKey, data->date()}; }, [this] { setRowCountCaption(); });
    openLineWindow(w, w->firstField());
    // The row joins the list loaded: its number and client stay put until
    // the line window closes.
    nota->setEnabled(false);
    BitBtn5->setEnabled(false);
}

void PackingListWindow::lineWindowClosed()
{
    nota->setEnabled(!Edit1->text().isEmpty());
    BitBtn5->setEnabled(true);
    openList();
    setRowCountCaption();
    if (lines()->isEmpty())
        return;
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11, BitBtn7})
        b->setEnabled(true);
    showTotals();
    for (QPushButton *b : {BitBtn5, BitBtn3, BitBtn4})
        b->setEnabled(true);
    activateWindow();
    BitBtn3->setFocus();
}

void PackingListWindow::linesChanged()
{
    openList();
    setRowCountCaption();
    showTotals();
}

void PackingListWindow::BitBtn2Click()
{
    dropList();
    for (QPushButton *b : {BitBtn5, BitBtn3, BitBtn4})
        b->setEnabled(true);
}

void PackingListWindow::BitBtn3Click()
{
    dropList();
    closeOwnedDataSets();
    closeWindow(QDialog::Rejected);
}

void PackingListWindow::BitBtn6Click()
{
    if (lineWindowBusy())
        return;
    auto *t = lines();
    if (!t->isActive() || t->isEmpty()) {
        error(QStringLiteral("Não há Lançamento(s) para ser(em) excluído(s), Verífique!"), QStringLiteral("Pesquisa"), this);
        BitBtn3->setFocus();
        return;
    }
    if (!ask(QStringLiteral("Ao confirmar, todos os lançamentos efetuados desta empresa para esta Nota Fiscal serão "
                            "excluídos, Confirma Exclusão?"), kConfirmacao, this)) {
        nota->setFocus();
        return;
    }
    t->cancel();
    // The whole list in one go: all of its rows or none.
    m_lists->remove(m_listKey);
    g->setTitle(QStringLiteral("Produtos > 0"));
    t->close();
    clearClient();
    nota->setEnabled(false);
    data->setEnabled(false);
    for (QPushButton *b : {BitBtn5, BitBtn3, BitBtn4})
        b->setEnabled(true);
    enableGroup(LineButtons, false);
}

void PackingListWindow::BitBtn4Click()
{
    if (data::firstRow(dm->IBDatabase1, QStringLiteral("select count(*) from MANUTENCAO")).value(0).toInt() == 0) {
        inform(QStringLiteral("Parametros da Empresa não informados, Verífique!"), kInformacao, this);
        execWindow(m_company);
        return;
    }
    if (m_lists->noneAtAll()) {
        inform(m_noListMessage, kInformacao, this);
        return;
    }
    dropList();
    execWindow(m_report);
}

} // namespace logs
