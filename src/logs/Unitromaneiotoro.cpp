#include "Unitromaneiotoro.h"

#include "Unitromaneiotorosprodutos.h"

#include "core/Amount.h"
#include "core/EditMask.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DateEdit.h"
#include "widgets/FieldWidth.h"
#include "widgets/NumericEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"
#include "widgets/WindowRegistry.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kConfirmacao = QStringLiteral("Confirmação");

QPushButton *makeButton(const QString &text, const QString &name, const QString &hint = {})
{
    auto *b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

} // namespace

TfrmRomaneiotoro::TfrmRomaneiotoro(data::TDM *dm_, QWidget *parent)
    : QDialog(parent), dm(dm_), m_lists(dm_->IBDatabase1)
{
    setObjectName(QStringLiteral("TfrmRomaneiotoro"));
    setWindowTitle(QStringLiteral("Romaneio"));

    auto *layout = new QVBoxLayout(this);
    auto *banner = new QLabel(QStringLiteral("Romaneio de Madeira em Toro"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: white; padding: 10px; "
                                         "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #5a3a1a, stop:1 #a07040);"));
    layout->addWidget(banner);

    auto *client = new QGroupBox(QStringLiteral("Dados Cliente"));
    auto *cg = new QGridLayout(client);
    fornecedor = new QLineEdit;
    fornecedor->setObjectName(QStringLiteral("fornecedor"));
    fornecedor->setEnabled(false);
    fornecedor->setStyleSheet(QStringLiteral("font-weight: bold; color: blue; background: #FFFFE1;"));
    MaskEdit1 = new QLineEdit;
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setEnabled(false);
    const core::EditMask cnpjMask(QStringLiteral("99.999.999/9999-99;0;_"));
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
    BitBtn12 = makeButton(QStringLiteral("Incluir"), QStringLiteral("BitBtn12"));
    BitBtn7 = makeButton(QStringLiteral("Alterar"), QStringLiteral("BitBtn7"));
    BitBtn9 = makeButton(QStringLiteral("Excluir"), QStringLiteral("BitBtn9"));
    BitBtn10 = makeButton(QStringLiteral("Proximo"), QStringLiteral("BitBtn10"));
    BitBtn11 = makeButton(QStringLiteral("Anterior"), QStringLiteral("BitBtn11"));
    int row = 0;
    for (QPushButton *b : {BitBtn12, BitBtn7, BitBtn9, BitBtn10, BitBtn11}) {
        b->setEnabled(false);
        gl->addWidget(b, row++, 1);
    }
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
    BitBtn2 = makeButton(QStringLiteral("&Cancelar"), QStringLiteral("BitBtn2"), QStringLiteral("Cancelar Lançamento"));
    BitBtn3 = makeButton(QStringLiteral("&Retornar"), QStringLiteral("BitBtn3"), QStringLiteral("Fechar"));
    NavFirst = makeButton(QStringLiteral("|<"), QStringLiteral("NavFirst"));
    NavPrior = makeButton(QStringLiteral("<"), QStringLiteral("NavPrior"));
    NavNext = makeButton(QStringLiteral(">"), QStringLiteral("NavNext"));
    NavLast = makeButton(QStringLiteral(">|"), QStringLiteral("NavLast"));
    BitBtn5 = makeButton(QStringLiteral("&Incluir/Alterar"), QStringLiteral("BitBtn5"), QStringLiteral("Incluir Lançamento"));
    BitBtn6 = makeButton(QStringLiteral("E&xcluir"), QStringLiteral("BitBtn6"), QStringLiteral("Excluir Lançamento"));
    BitBtn4 = makeButton(QStringLiteral("Relatório"), QStringLiteral("BitBtn4"), QStringLiteral("Gerar Relatório"));
    bar->addWidget(BitBtn2);
    bar->addWidget(BitBtn3);
    bar->addStretch();
    for (QPushButton *b : {NavFirst, NavPrior, NavNext, NavLast}) {
        b->setFixedWidth(34);
        bar->addWidget(b);
    }
    bar->addStretch();
    for (QPushButton *b : {BitBtn5, BitBtn6, BitBtn4})
        bar->addWidget(b);
    layout->addLayout(bar);

    auto click = [this](QPushButton *b, void (TfrmRomaneiotoro::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { guarded(this, [&] { (this->*handler)(); }); });
    };
    click(BitBtn5, &TfrmRomaneiotoro::BitBtn5Click);
    click(BitBtn12, &TfrmRomaneiotoro::BitBtn12Click);
    click(BitBtn7, &TfrmRomaneiotoro::BitBtn7Click);
    click(BitBtn9, &TfrmRomaneiotoro::BitBtn9Click);
    click(BitBtn2, &TfrmRomaneiotoro::BitBtn2Click);
    click(BitBtn3, &TfrmRomaneiotoro::BitBtn3Click);
    click(BitBtn6, &TfrmRomaneiotoro::BitBtn6Click);
    click(BitBtn4, &TfrmRomaneiotoro::BitBtn4Click);
    // Moving off a row being typed in the line window would post it unchecked.
    auto move = [this](QPushButton *b, void (data::DataSet::*step)()) {
        connect(b, &QPushButton::clicked, this, [this, step] {
            guarded(this, [&] {
                if (!lineWindowBusy())
                    (dm->TROMANEIOTORO->*step)();
            });
        });
    };
    move(BitBtn10, &data::DataSet::next);
    move(BitBtn11, &data::DataSet::prior);
    move(NavFirst, &data::DataSet::first);
    move(NavPrior, &data::DataSet::prior);
    move(NavNext, &data::DataSet::next);
    move(NavLast, &data::DataSet::last);
    onEnter(data, [this] { dataEnter(); });
    onExit(nota, [this] { notaExit(); });
}

void TfrmRomaneiotoro::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [this] { FormShow(); });
}

void TfrmRomaneiotoro::FormShow()
{
    setCallerMark(this, true);
    IdleState{{BitBtn5, BitBtn6, BitBtn4, BitBtn2, BitBtn3},
              {BitBtn12, BitBtn7, BitBtn9, BitBtn10, BitBtn11, nota, data},
              {}}.apply();
    BitBtn5->setFocus();
}

void TfrmRomaneiotoro::done(int result)
{
    if (result == QDialog::Rejected && !m_closing) {
        if (BitBtn3->isEnabled())
            guarded(this, [this] { BitBtn3Click(); });
        return;
    }
    setCallerMark(this, false);
    QDialog::done(result);
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
    auto *t = dm->TROMANEIOTORO;
    t->close();
    m_listKey = {nota->value(), Edit1->text().toDouble()};
    t->setFilter(QStringLiteral("NF = :nf and CODEMPRESA = :empresa"),
                 {{QStringLiteral("nf"), m_listKey.number}, {QStringLiteral("empresa"), m_listKey.client}});
    t->setFiltered(true);
    t->open();
}

void TfrmRomaneiotoro::setRowCountCaption()
{
    g->setTitle(QStringLiteral("Produtos > %1").arg(dm->TROMANEIOTORO->recordCount()));
}

void TfrmRomaneiotoro::listTotals()
{
    const rules::PackingListTotals totals = m_lists.totals(m_listKey);
    valtotal->setText(core::formatAmount(totals.value, QStringLiteral("#0.00")));
    m3->setText(core::formatAmount(totals.volume, QStringLiteral("#0.0000")));
}

bool TfrmRomaneiotoro::lineWindowBusy()
{
    return widgets::lineWindowBusy(qobject_cast<QDialog *>(windows().existing(QStringLiteral("TfrmRomaneiotorosprodutos"))),
                                    dm->TROMANEIOTORO);
}

void TfrmRomaneiotoro::BitBtn5Click()
{
    dm->QCredor->open();
    if (dm->QCredor->isEmpty()) {
        dm->QCredor->close();
        warn(QStringLiteral("Não há Cliente(s) Cadastrado(s), Verifíque!"), QStringLiteral("Saída"), this);
        return;
    }
    clearClient();
    BitBtn12->setEnabled(true);
    for (QPushButton *b : {BitBtn9, BitBtn10, BitBtn7, BitBtn11})
        b->setEnabled(false);
    dm->QCredor->close();
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

static TfrmRomaneiotorosprodutos *lineWindowOf(data::TDM *dm, TfrmRomaneiotoro *header)
{
    auto *w = windows().get<TfrmRomaneiotorosprodutos>();
    if (!w) {
        w = new TfrmRomaneiotorosprodutos(dm, header);
        windows().add(w);
    }
    w->setHeader(header);
    return w;
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
    TfrmRomaneiotorosprodutos *w = lineWindowOf(dm, this);
    w->showFor(this, w->DBEDIT1, [this] { guarded(this, [this] { lineWindowClosed(); }); });
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
    if (lineWindowBusy())
        return;
    if (!ask(QStringLiteral("Deseja Excluir esse produto?"), kConfirmacao, this)) {
        nota->setFocus();
        return;
    }
    dm->TROMANEIOTORO->remove();
    setRowCountCaption();
    openList();
    listTotals();
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
    dm->TROMANEIOTORO->close();
    dm->QCredor->close();
    dm->QEssencia->close();
    m_closing = true;
    setCallerMark(this, false);
    QDialog::done(QDialog::Rejected);
    m_closing = false;
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
        if (auto *company = qobject_cast<QDialog *>(windows().find(QStringLiteral("TfrmManutencao1"))))
            company->exec();
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
    if (auto *report = qobject_cast<QDialog *>(windows().find(QStringLiteral("TfrmRRomaneioToros"))))
        report->exec();
}
