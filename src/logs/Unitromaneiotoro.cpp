#include "Unitromaneiotoro.h"

#include "Unitromaneiotorosprodutos.h"

#include "core/Amount.h"
#include "core/EditMask.h"
#include "core/TaxIdText.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DateEdit.h"
#include "widgets/FieldWidth.h"
#include "widgets/NumericEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/Prompter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kConfirmacao = QStringLiteral("Confirmação");

} // namespace

TfrmRomaneiotoro::TfrmRomaneiotoro(data::TDM *dm_, QWidget *parent)
    : MovementHeaderWindow(parent), dm(dm_), m_lists(dm_->IBDatabase1)
{
    setObjectName(QStringLiteral("TfrmRomaneiotoro"));
    setWindowTitle(QStringLiteral("Romaneio"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBanner(QStringLiteral("Romaneio de Madeira em Toro")));

    auto *client = new QGroupBox(QStringLiteral("Dados Cliente"));
    auto *cg = new QGridLayout(client);
    fornecedor = new QLineEdit;
    fornecedor->setObjectName(QStringLiteral("fornecedor"));
    fornecedor->setEnabled(false);
    fornecedor->setStyleSheet(QStringLiteral("font-weight: bold; color: blue; background: #FFFFE1;"));
    MaskEdit1 = new QLineEdit;
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setEnabled(false);
    const core::EditMask cnpjMask(core::cnpjMask());
    MaskEdit1->setInputMask(cnpjMask.inputMask());
    inscricao = new QLineEdit;
    inscricao->setObjectName(QStringLiteral("inscricao"));
    inscricao->hide();
    // Each of the two copies its text into the other.
    connect(inscricao, &QLineEdit::textChanged, this, [this, cnpjMask](const QString &t) {
        if (cnpjMask.stripLiterals(MaskEdit1->text()) != t)
            MaskEdit1->setText(t);
    });
    connect(MaskEdit1, &QLineEdit::textChanged, this, [this, cnpjMask](const QString &t) {
        const QString digits = cnpjMask.stripLiterals(t);
        if (inscricao->text() != digits)
            inscricao->setText(digits);
    });
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->hide();
    EditFax = new DBEdit(dm->DS_ROMANEIOTORO, QStringLiteral("CODEMPRESA"));
    EditFax->setObjectName(QStringLiteral("EditFax"));
    EditFax->hide();
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
    nota->setStyleSheet(QStringLiteral("font-weight: bold; color: grey;"));
    data = new DateEdit;
    data->setObjectName(QStringLiteral("data"));
    data->setMaxLength(10);
    data->setEnabled(false);
    nota1 = new DBEdit(dm->DS_ROMANEIOTORO, QStringLiteral("NF"));
    nota1->setObjectName(QStringLiteral("nota1"));
    nota1->hide();
    data1 = new DBEdit(dm->DS_ROMANEIOTORO, QStringLiteral("DATA"));
    data1->setObjectName(QStringLiteral("data1"));
    data1->hide();
    auto *lnota = new QLabel(QStringLiteral("Nota Fiscal/Controle"));
    lnota->setBuddy(nota);
    auto *ldata = new QLabel(QStringLiteral("Data Emissão"));
    ldata->setBuddy(data);
    bg->addWidget(lnota);
    bg->addWidget(nota);
    bg->addWidget(ldata);
    bg->addWidget(data);
    bg->addStretch();
    for (QWidget *w : std::initializer_list<QWidget *>{inscricao, Edit1, EditFax, nota1, data1})
        bg->addWidget(w);
    layout->addWidget(basic);

    g = new QGroupBox(QStringLiteral("Produtos "));
    g->setObjectName(QStringLiteral("g"));
    auto *gl = new QGridLayout(g);
    DBGrid2 = new DBGrid;
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    DBGrid2->setDataSource(dm->DS_ROMANEIOTORO);
    DBGrid2->setColumns({{QStringLiteral("ESSENCIA"), QStringLiteral("Essência"), 160},
                         {QStringLiteral("COMPRIMENTO"), QStringLiteral("Comp"), 70},
                         {QStringLiteral("LARGURA"), QStringLiteral("Diam"), 70},
                         {QStringLiteral("TOTALM3"), QStringLiteral("M/3"), 80},
                         {QStringLiteral("VLUNITARIO"), QStringLiteral("Val Unitário"), 90},
                         {QStringLiteral("VLTOTAL"), QStringLiteral("Val Total"), 90}});
    DBGrid2->horizontalHeader()->setStyleSheet(QStringLiteral("font-weight: bold;"));
    DBGrid2->setMinimumHeight(200);
    gl->addWidget(DBGrid2, 0, 0, 6, 1);
    BitBtn12 = lineButton(QStringLiteral("Incluir"), QStringLiteral("BitBtn12"), true);
    BitBtn7 = lineButton(QStringLiteral("Alterar"), QStringLiteral("BitBtn7"), true);
    BitBtn9 = lineButton(QStringLiteral("Excluir"), QStringLiteral("BitBtn9"), true);
    BitBtn10 = lineButton(QStringLiteral("Proximo"), QStringLiteral("BitBtn10"), true);
    BitBtn11 = lineButton(QStringLiteral("Anterior"), QStringLiteral("BitBtn11"), true);
    int row = 0;
    for (QPushButton *b : {BitBtn12, BitBtn7, BitBtn9, BitBtn10, BitBtn11})
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
    BitBtn2 = barButton(QStringLiteral("&Cancelar"), QStringLiteral("BitBtn2"), QStringLiteral("Cancelar Lançamento"));
    BitBtn3 = barButton(QStringLiteral("&Retornar"), QStringLiteral("BitBtn3"), QStringLiteral("Fechar"));
    BitBtn5 = barButton(QStringLiteral("&Incluir/Alterar"), QStringLiteral("BitBtn5"), QStringLiteral("Incluir Lançamento"));
    BitBtn6 = barButton(QStringLiteral("E&xcluir"), QStringLiteral("BitBtn6"), QStringLiteral("Excluir Lançamento"));
    BitBtn4 = barButton(QStringLiteral("Relatório"), QStringLiteral("BitBtn4"), QStringLiteral("Gerar Relatório"));
    bar->addWidget(BitBtn2);
    bar->addWidget(BitBtn3);
    bar->addStretch();
    const QVector<QPushButton *> nav = navigator(bar, dm->TROMANEIOTORO);
    NavFirst = nav[0];
    NavPrior = nav[1];
    NavNext = nav[2];
    NavLast = nav[3];
    bar->addStretch();
    for (QPushButton *b : {BitBtn5, BitBtn6, BitBtn4})
        bar->addWidget(b);
    layout->addLayout(bar);

    auto click = [this](QPushButton *b, void (TfrmRomaneiotoro::*handler)()) {
        onClick(b, [this, handler] { (this->*handler)(); });
    };
    click(BitBtn5, &TfrmRomaneiotoro::BitBtn5Click);
    click(BitBtn12, &TfrmRomaneiotoro::BitBtn12Click);
    click(BitBtn7, &TfrmRomaneiotoro::BitBtn7Click);
    click(BitBtn9, &TfrmRomaneiotoro::BitBtn9Click);
    click(BitBtn2, &TfrmRomaneiotoro::BitBtn2Click);
    click(BitBtn3, &TfrmRomaneiotoro::BitBtn3Click);
    click(BitBtn6, &TfrmRomaneiotoro::BitBtn6Click);
    click(BitBtn4, &TfrmRomaneiotoro::BitBtn4Click);
    click(BitBtn10, &TfrmRomaneiotoro::BitBtn10Click);
    click(BitBtn11, &TfrmRomaneiotoro::BitBtn11Click);
    onEnter(data, [this] { dataEnter(); });
    onExit(nota, [this] { notaExit(); });

    setLines(dm->TROMANEIOTORO, QStringLiteral("NF"), QStringLiteral("CODEMPRESA"),
             QStringLiteral("TfrmRomaneiotorosprodutos"));
    setOwnedDataSets({dm->TROMANEIOTORO, dm->QCredor, dm->QEssencia});
    setReturnButton(BitBtn3);
    setIdleState({{BitBtn5, BitBtn6, BitBtn4, BitBtn2, BitBtn3},
                  {BitBtn12, BitBtn7, BitBtn9, BitBtn10, BitBtn11, nota, data},
                  {}});
    setTotalsDisplay(m3, QStringLiteral("#0.0000"), valtotal, QStringLiteral("#0.00"));
}

void TfrmRomaneiotoro::FormShow()
{
    BitBtn5->setFocus();
}

void TfrmRomaneiotoro::clearClient()
{
    fornecedor->clear();
    inscricao->clear();
    MaskEdit1->clear();
    Edit1->clear();
    m3->clear();
    valtotal->clear();
    nota->setValue(0);
    data->clearDate();
}

void TfrmRomaneiotoro::setLineButtons(bool enabled)
{
    for (QPushButton *b : {BitBtn12, BitBtn7, BitBtn9, BitBtn10, BitBtn11})
        b->setEnabled(enabled);
}

void TfrmRomaneiotoro::openList()
{
    m_listKey = {nota->value(), Edit1->text().toDouble()};
    filterLines(m_listKey.number, m_listKey.client);
}

void TfrmRomaneiotoro::setRowCountCaption()
{
    g->setTitle(QStringLiteral("Produtos > %1").arg(dm->TROMANEIOTORO->recordCount()));
}

LineTotals TfrmRomaneiotoro::lineTotals()
{
    const rules::PackingListTotals totals = m_lists.totals(m_listKey);
    return {totals.volume, totals.value, totals.rows};
}

void TfrmRomaneiotoro::listTotals()
{
    showTotals();
}

void TfrmRomaneiotoro::BitBtn5Click()
{
    if (!partiesExist(dm->QCredor, QStringLiteral("Não há Cliente(s) Cadastrado(s), Verifíque!"), QStringLiteral("Saída")))
        return;
    clearClient();
    BitBtn12->setEnabled(true);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn7, BitBtn11})
        b->setEnabled(false);
    dm->TROMANEIOTORO->setFiltered(false);
    dm->TROMANEIOTORO->close();
    chooseClient();
}

// Closed without a choice the list goes back to no number and no line can
// be added.
void TfrmRomaneiotoro::chooseClient()
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
    nota->setFocus();
}

void TfrmRomaneiotoro::dataEnter()
{
    data->setDate(QDate::currentDate());
}

void TfrmRomaneiotoro::notaExit()
{
    if (lineWindowBusy())
        return;
    openList();
    if (!dm->TROMANEIOTORO->isEmpty()) {
        setRowCountCaption();
        setLineButtons(true);
        listTotals();
        if (ask(QStringLiteral("Já possui lançamento para o numero de Nota Fiscal informado, do Cliente selecionado, "
                               "Deseja Continuar?"), kConfirmacao, this))
            return;
        nota->setFocus();
        nota->setValue(0);
    }
    setRowCountCaption();
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn7, BitBtn11})
        b->setEnabled(false);
}

void TfrmRomaneiotoro::BitBtn12Click()
{
    if (lineWindowBusy())
        return;
    openList();
    dm->TROMANEIOTORO->append();
    showLineWindow();
}

void TfrmRomaneiotoro::BitBtn7Click()
{
    if (lineWindowBusy())
        return;
    dm->TROMANEIOTORO->edit();
    showLineWindow();
}

void TfrmRomaneiotoro::showLineWindow()
{
    auto *w = lineWindow<TfrmRomaneiotorosprodutos>(dm);
    w->setHeader(this);
    openLineWindow(w, w->DBEDIT1);
    // The row joins the list loaded: its number and client stay put until
    // the line window closes.
    nota->setEnabled(false);
    BitBtn5->setEnabled(false);
}

void TfrmRomaneiotoro::lineWindowClosed()
{
    nota->setEnabled(!Edit1->text().isEmpty());
    BitBtn5->setEnabled(true);
    openList();
    if (dm->TROMANEIOTORO->isEmpty())
        return;
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn11, BitBtn7})
        b->setEnabled(true);
    listTotals();
    for (QPushButton *b : {BitBtn5, BitBtn3, BitBtn4})
        b->setEnabled(true);
    BitBtn3->setFocus();
}

void TfrmRomaneiotoro::BitBtn9Click()
{
    deleteLine(nota);
}

void TfrmRomaneiotoro::linesChanged()
{
    setRowCountCaption();
    openList();
    listTotals();
}

void TfrmRomaneiotoro::BitBtn10Click()
{
    stepLines(&data::DataSet::next);
}

void TfrmRomaneiotoro::BitBtn11Click()
{
    stepLines(&data::DataSet::prior);
}

void TfrmRomaneiotoro::BitBtn2Click()
{
    g->setTitle(QStringLiteral("Produtos "));
    dm->TROMANEIOTORO->cancel();
    dm->TROMANEIOTORO->setFiltered(false);
    dm->TROMANEIOTORO->close();
    clearClient();
    for (QPushButton *b : {BitBtn5, BitBtn3, BitBtn4})
        b->setEnabled(true);
    setLineButtons(false);
    nota->setEnabled(false);
    data->setEnabled(false);
}

void TfrmRomaneiotoro::BitBtn3Click()
{
    g->setTitle(QStringLiteral("Produtos "));
    clearClient();
    nota->setEnabled(false);
    data->setEnabled(false);
    setLineButtons(false);
    dm->TROMANEIOTORO->cancel();
    dm->TROMANEIOTORO->setFiltered(false);
    closeOwnedDataSets();
    closeWindow(QDialog::Rejected);
}

void TfrmRomaneiotoro::BitBtn6Click()
{
    if (lineWindowBusy())
        return;
    auto *t = dm->TROMANEIOTORO;
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
    t->refresh();
    setRowCountCaption();
    t->close();
    clearClient();
    nota->setEnabled(false);
    data->setEnabled(false);
    for (QPushButton *b : {BitBtn5, BitBtn3, BitBtn4})
        b->setEnabled(true);
    setLineButtons(false);
}

void TfrmRomaneiotoro::BitBtn4Click()
{
    dm->QManutencao->open();
    if (dm->QManutencao->isEmpty()) {
        dm->QManutencao->close();
        inform(QStringLiteral("Parametros da Empresa não informados, Verífique!"), QStringLiteral("Informação"), this);
        execWindow(QStringLiteral("TfrmManutencao1"));
        return;
    }
    dm->QROMANEIOTORO->open();
    if (dm->QROMANEIOTORO->isEmpty()) {
        dm->QROMANEIOTORO->close();
        inform(QStringLiteral("Não há lançamento(s) de Romaneio de Madeira em Toro para o relatório!"),
               QStringLiteral("Informação"), this);
        return;
    }
    dm->TROMANEIOTORO->cancel();
    dm->TROMANEIOTORO->setFiltered(false);
    dm->TROMANEIOTORO->close();
    clearClient();
    setLineButtons(false);
    nota->setEnabled(false);
    data->setEnabled(false);
    dm->QROMANEIOTORO->close();
    execWindow(QStringLiteral("TfrmRRomaneioToros"));
}
