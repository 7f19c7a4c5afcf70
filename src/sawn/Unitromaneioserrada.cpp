#include "Unitromaneioserrada.h"

#include "UnitromaneioSerradaProdutos.h"

#include "core/EditMask.h"
#include "core/TaxIdText.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/FieldWidth.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kConfirmacao = QStringLiteral("Confirmação");
const QString kInformacao = QStringLiteral("Informação");

} // namespace

TfrmRomaneioserrada::TfrmRomaneioserrada(data::TDM *dm_, QWidget *parent)
    : MovementHeaderWindow(parent), dm(dm_), m_lists(dm_->IBDatabase1)
{
    setObjectName(QStringLiteral("TfrmRomaneioserrada"));
    setWindowTitle(QStringLiteral("Romaneio"));
    setMovementWindowFlags(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBanner(QStringLiteral("Romaneio de Madeira Serrada")));

    auto *client = new QGroupBox(QStringLiteral("Dados Cliente"));
    auto *cg = new QGridLayout(client);
    fornecedor = new QLineEdit;
    fornecedor->setObjectName(QStringLiteral("fornecedor"));
    fornecedor->setEnabled(false);
    fornecedor->setStyleSheet(QStringLiteral("font-weight: bold; color: blue; background: #FFFFE1;"));
    connect(fornecedor, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (t != t.toUpper())
            fornecedor->setText(t.toUpper());
    });
    MaskEdit1 = new QLineEdit;
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setEnabled(false);
    const core::EditMask cnpjMask(core::cnpjMask());
    MaskEdit1->setInputMask(cnpjMask.inputMask());
    inscricao = new QLineEdit; // the CNPJ's digits, written by the client picker
    inscricao->setObjectName(QStringLiteral("inscricao"));
    inscricao->hide();
    connect(inscricao, &QLineEdit::textChanged, this, [this, cnpjMask](const QString &t) {
        if (cnpjMask.stripLiterals(MaskEdit1->text()) != t)
            MaskEdit1->setText(t);
    });
    Edit1 = new QLineEdit; // the client's code
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->hide();
    auto *lc = new QLabel(QStringLiteral("Cliente"));
    lc->setBuddy(fornecedor);
    auto *ln = new QLabel(QStringLiteral("CNPJ"));
    ln->setBuddy(MaskEdit1);
    cg->addWidget(lc, 0, 0);
    cg->addWidget(fornecedor, 0, 1);
    cg->addWidget(ln, 0, 2);
    cg->addWidget(MaskEdit1, 0, 3);
    fitWidthTo(fornecedor, QStringLiteral("MADEIREIRA E SERRARIA NOSSA SENHORA APARECIDA LTDA"));
    fitWidthTo(MaskEdit1, QStringLiteral("00.000.000/0000-00"));
    cg->setColumnStretch(1, 1);
    layout->addWidget(client);

    auto *basic = new QGroupBox(QStringLiteral("Dados Basicos"));
    auto *bg = new QHBoxLayout(basic);
    nota = new QSpinBox;
    nota->setObjectName(QStringLiteral("nota"));
    nota->setRange(0, 999999999);
    nota->setEnabled(false);
    data = new DateEdit;
    data->setObjectName(QStringLiteral("data"));
    data->setEnabled(false);
    auto *lnota = new QLabel(QStringLiteral("Nota Fiscal/Controle"));
    lnota->setBuddy(nota);
    auto *ldata = new QLabel(QStringLiteral("Data Emissão"));
    ldata->setBuddy(data);
    bg->addWidget(lnota);
    bg->addWidget(nota);
    bg->addWidget(ldata);
    bg->addWidget(data);
    bg->addStretch();
    bg->addWidget(inscricao);
    bg->addWidget(Edit1);
    layout->addWidget(basic);

    g = new QGroupBox(QStringLiteral("Produtos "));
    g->setObjectName(QStringLiteral("g"));
    auto *gl = new QGridLayout(g);
    DBGrid2 = new DBGrid;
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setDataSource(dm->DS_ROMANEIOSERRADA);
    DBGrid2->setColumns({{QStringLiteral("ESSENCIA"), QStringLiteral("Essência"), 157},
                         {QStringLiteral("QUANTIDADE"), QStringLiteral("Qtdade"), 45},
                         {QStringLiteral("COMPRIMENTO"), QStringLiteral("Comp"), 45},
                         {QStringLiteral("LARGURA"), QStringLiteral("Larg"), 45},
                         {QStringLiteral("EXPESSURA"), QStringLiteral("Exp"), 45},
                         {QStringLiteral("TOTALM3"), QStringLiteral("M/3"), 75},
                         {QStringLiteral("VLUNITARIO"), QStringLiteral("Val Unitário"), 75},
                         {QStringLiteral("VLTOTAL"), QStringLiteral("Val Total"), 75}});
    DBGrid2->setMinimumHeight(200);
    gl->addWidget(DBGrid2, 0, 0, 6, 1);
    BitBtn12 = lineButton(QStringLiteral("Incluir"), QStringLiteral("BitBtn12"), true);
    BitBtn9 = lineButton(QStringLiteral("Excluir"), QStringLiteral("BitBtn9"), true);
    BitBtn10 = lineButton(QStringLiteral("Proximo"), QStringLiteral("BitBtn10"), true);
    BitBtn11 = lineButton(QStringLiteral("Anterior"), QStringLiteral("BitBtn11"), true);
    BitBtn7 = lineButton(QStringLiteral("Alterar"), QStringLiteral("BitBtn7"), true);
    int row = 0;
    for (QPushButton *b : {BitBtn12, BitBtn9, BitBtn10, BitBtn11, BitBtn7})
        gl->addWidget(b, row++, 1);
    auto *totals = new QHBoxLayout;
    m3 = new QLabel;
    m3->setObjectName(QStringLiteral("m3"));
    valtotal = new QLabel;
    valtotal->setObjectName(QStringLiteral("valtotal"));
    for (QLabel *l : {m3, valtotal})
        l->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));
    totals->addWidget(new QLabel(QStringLiteral("TOTAL M/3....:")));
    totals->addWidget(m3);
    totals->addSpacing(30);
    totals->addWidget(new QLabel(QStringLiteral("VALOR TOTAL..:")));
    totals->addWidget(valtotal);
    totals->addStretch();
    gl->addLayout(totals, 6, 0, 1, 2);
    layout->addWidget(g, 1);

    auto *bar = new QHBoxLayout;
    navigator(bar, dm->TROMANEIOSERRADA, {QStringLiteral("Primeiro Cliente"), QStringLiteral("Cliente Anterior"),
                                          QStringLiteral("Proximo Cliente"), QStringLiteral("Ultimo Cliente")});
    bar->addStretch();
    BitBtn5 = barButton(QStringLiteral("&Incluir/Alterar"), QStringLiteral("BitBtn5"), QStringLiteral("Incluir Lançamento"));
    BitBtn6 = barButton(QStringLiteral("E&xcluir"), QStringLiteral("BitBtn6"), QStringLiteral("Excluir Lançamento"));
    BitBtn2 = barButton(QStringLiteral("&Cancelar"), QStringLiteral("BitBtn2"), QStringLiteral("Cancelar Lançamento"));
    BitBtn4 = barButton(QStringLiteral("Relatório"), QStringLiteral("BitBtn4"), QStringLiteral("Gerar Relatório"));
    BitBtn3 = barButton(QStringLiteral("&Retornar"), QStringLiteral("BitBtn3"), QStringLiteral("Fechar"));
    for (QPushButton *b : {BitBtn5, BitBtn6, BitBtn2, BitBtn4, BitBtn3})
        bar->addWidget(b);
    layout->addLayout(bar);

    onClick(BitBtn5, [this] { BitBtn5Click(); });
    onClick(BitBtn12, [this] { BitBtn12Click(); });
    onClick(BitBtn7, [this] { BitBtn7Click(); });
    onClick(BitBtn9, [this] { deleteLine(nota); });
    onClick(BitBtn10, [this] { stepLines(&data::DataSet::next); });
    onClick(BitBtn11, [this] { stepLines(&data::DataSet::prior); });
    onClick(BitBtn2, [this] { BitBtn2Click(); });
    onClick(BitBtn3, [this] { BitBtn3Click(); });
    onClick(BitBtn6, [this] { BitBtn6Click(); });
    onClick(BitBtn4, [this] { BitBtn4Click(); });
    onEnter(data, [this] { dataEnter(); });
    onExit(nota, [this] { notaExit(); });

    setLines(dm->TROMANEIOSERRADA, QStringLiteral("NF"), QStringLiteral("CODEMPRESA"),
             QStringLiteral("TfrmromaneioSerradaProdutos"));
    setOwnedDataSets({dm->TROMANEIOSERRADA, dm->QCredor, dm->QEssencia});
    setReturnButton(BitBtn3);
    setIdleState({{BitBtn5, BitBtn6, BitBtn4, BitBtn2, BitBtn3},
                  {BitBtn12, BitBtn7, BitBtn9, BitBtn10, BitBtn11, nota, data},
                  {}});
    setTotalsDisplay(m3, QStringLiteral("#0.0000"), valtotal, QStringLiteral("#0.00"));
}

void TfrmRomaneioserrada::FormShow()
{
    BitBtn5->setFocus();
}

void TfrmRomaneioserrada::clearClient()
{
    for (QLineEdit *e : {fornecedor, inscricao, MaskEdit1, Edit1})
        e->clear();
    m3->clear();
    valtotal->clear();
    nota->setValue(0);
    data->clearDate();
}

void TfrmRomaneioserrada::setLineButtons(bool enabled)
{
    for (QPushButton *b : {BitBtn12, BitBtn7, BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(enabled);
}

void TfrmRomaneioserrada::dropList()
{
    g->setTitle(QStringLiteral("Produtos "));
    lines()->cancel();
    lines()->setFiltered(false);
    lines()->close();
    clearClient();
    nota->setEnabled(false);
    data->setEnabled(false);
    setLineButtons(false);
}

void TfrmRomaneioserrada::openList()
{
    m_listKey = {nota->value(), Edit1->text().toDouble()};
    filterLines(m_listKey.number, m_listKey.client);
}

void TfrmRomaneioserrada::setRowCountCaption()
{
    g->setTitle(QStringLiteral("Produtos > %1").arg(lines()->isActive() ? lines()->recordCount() : 0));
}

LineTotals TfrmRomaneioserrada::lineTotals()
{
    const rules::PackingListTotals totals = m_lists.totals(m_listKey);
    return {totals.volume, totals.value, totals.rows};
}

void TfrmRomaneioserrada::BitBtn5Click()
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
void TfrmRomaneioserrada::chooseClient()
{
    const std::optional<PickedRow> row = m_clientPicker.choose();
    if (!row) {
        nota->setValue(0);
        BitBtn12->setEnabled(false);
        dm->QCredor->close();
        return;
    }
    fornecedor->setText(row->text(QStringLiteral("NOMECREDOR")));
    inscricao->setText(row->text(QStringLiteral("CNPJ")));
    Edit1->setText(row->text(QStringLiteral("CODIGOCREDOR")));
    nota->setEnabled(true);
    data->setEnabled(true);
    activateWindow();
    nota->setFocus();
}

void TfrmRomaneioserrada::dataEnter()
{
    data->setDate(QDate::currentDate());
}

void TfrmRomaneioserrada::notaExit()
{
    if (lineWindowBusy() || Edit1->text().isEmpty())
        return;
    openList();
    if (!lines()->isEmpty()) {
        setRowCountCaption();
        setLineButtons(true);
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

void TfrmRomaneioserrada::BitBtn12Click()
{
    if (lineWindowBusy())
        return;
    openList();
    lines()->append();
    showLineWindow();
}

void TfrmRomaneioserrada::BitBtn7Click()
{
    if (lineWindowBusy() || lines()->isEmpty())
        return;
    lines()->edit();
    showLineWindow();
}

void TfrmRomaneioserrada::showLineWindow()
{
    auto *w = lineWindow<TfrmromaneioSerradaProdutos>(dm);
    w->setHeader([this] { return TfrmromaneioSerradaProdutos::Target{m_listKey, data->date()}; },
                 [this] { setRowCountCaption(); });
    openLineWindow(w, w->CODPRODUTO);
    // The row joins the list loaded: its number and client stay put until
    // the line window closes.
    nota->setEnabled(false);
    BitBtn5->setEnabled(false);
}

void TfrmRomaneioserrada::lineWindowClosed()
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

void TfrmRomaneioserrada::linesChanged()
{
    openList();
    setRowCountCaption();
    showTotals();
}

void TfrmRomaneioserrada::BitBtn2Click()
{
    dropList();
    for (QPushButton *b : {BitBtn5, BitBtn3, BitBtn4})
        b->setEnabled(true);
}

void TfrmRomaneioserrada::BitBtn3Click()
{
    dropList();
    closeOwnedDataSets();
    closeWindow(QDialog::Rejected);
}

void TfrmRomaneioserrada::BitBtn6Click()
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
    m_lists.remove(m_listKey);
    g->setTitle(QStringLiteral("Produtos > 0"));
    t->close();
    clearClient();
    nota->setEnabled(false);
    data->setEnabled(false);
    for (QPushButton *b : {BitBtn5, BitBtn3, BitBtn4})
        b->setEnabled(true);
    setLineButtons(false);
}

void TfrmRomaneioserrada::BitBtn4Click()
{
    if (data::firstRow(dm->IBDatabase1, QStringLiteral("select count(*) from MANUTENCAO")).value(0).toInt() == 0) {
        inform(QStringLiteral("Parametros da Empresa não informados, Verífique!"), kInformacao, this);
        execWindow(QStringLiteral("TfrmManutencao1"));
        return;
    }
    if (data::firstRow(dm->IBDatabase1, QStringLiteral("select count(*) from ROMANEIO_SERRADA")).value(0).toInt() == 0) {
        inform(QStringLiteral("Não há lançamento(s) de Romaneio de Madeira Serrada, Verífique!"), kInformacao, this);
        return;
    }
    dropList();
    // The report window, once it is in the window list.
    execWindow(QStringLiteral("TfrmRRomaneioSerrada"));
}
