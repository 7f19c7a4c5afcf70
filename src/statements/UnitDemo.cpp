#include "UnitDemo.h"

#include "Period.h"
#include "core/Amount.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kQty4 = QStringLiteral("#0.0000");
const QString kMoney = QStringLiteral("#0.00");

DBGrid *statementGrid(const QString &name, data::DataSet *table, const QString &quantity)
{
    auto *g = new DBGrid;
    g->setObjectName(name);
    g->setDataSet(table);
    g->setColumns({{QStringLiteral("DATALANCAMENTO"), QStringLiteral("Data"), 90, Qt::AlignCenter},
                   {quantity, QStringLiteral("Qtdade (M/3)"), 110},
                   {QStringLiteral("VALUNITARIO"), QStringLiteral("Val.Unitário"), 110},
                   {QStringLiteral("VALTOTAL"), QStringLiteral("Val.Total"), 120}});
    g->setMinimumHeight(120);
    return g;
}

QLabel *resultLabel(const QString &name)
{
    auto *l = new QLabel;
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(110);
    l->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));
    return l;
}

QHBoxLayout *subTotalLine(QLabel *q, QLabel *v)
{
    auto *line = new QHBoxLayout;
    line->addStretch(1);
    line->addWidget(new QLabel(QStringLiteral("Sub-Total")));
    line->addWidget(q);
    line->addWidget(v);
    return line;
}

// The shown text back as a number (decimal comma, no thousands separator).
double shownValue(const QLabel *label)
{
    return QLocale(QLocale::Portuguese, QLocale::Brazil).toDouble(label->text());
}

} // namespace

TfrmDemo::TfrmDemo(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmDemo"));
    setWindowTitle(QStringLiteral("Demonstrativo de Compras/Vendas"));
    setMovementWindowFlags(this);

    auto *layout = new QVBoxLayout(this);
    auto *banner = new QLabel(QStringLiteral("Demonstrativo de Compras/Vendas"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: white; padding: 10px; "
                                         "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #5a3a1a, stop:1 #a07040);"));
    layout->addWidget(banner);

    auto *top = new QHBoxLayout;
    RadioGroup1 = new QGroupBox(QStringLiteral("Tipo da Consulta"));
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto *tl = new QHBoxLayout(RadioGroup1);
    Compras = new QRadioButton(QStringLiteral("Compras"));
    Compras->setObjectName(QStringLiteral("Compras"));
    Vendas = new QRadioButton(QStringLiteral("Vendas"));
    Vendas->setObjectName(QStringLiteral("Vendas"));
    m_tipo = new QButtonGroup(this);
    m_tipo->addButton(Compras, 0);
    m_tipo->addButton(Vendas, 1);
    tl->addWidget(Compras);
    tl->addWidget(Vendas);
    top->addWidget(RadioGroup1);
    auto dateBox = [](const QString &title, DateEdit *&edit, const QString &name) {
        auto *box = new QGroupBox(title);
        auto *l = new QHBoxLayout(box);
        edit = new DateEdit;
        edit->setObjectName(name);
        l->addWidget(edit);
        return box;
    };
    top->addWidget(dateBox(QStringLiteral("Período Inicial"), DateEdit1, QStringLiteral("DateEdit1")));
    top->addWidget(dateBox(QStringLiteral("Período Final"), DateEdit2, QStringLiteral("DateEdit2")));
    layout->addLayout(top);

    QTORO = resultLabel(QStringLiteral("QTORO"));
    VTORO = resultLabel(QStringLiteral("VTORO"));
    QSERRADA = resultLabel(QStringLiteral("QSERRADA"));
    VSERRADA = resultLabel(QStringLiteral("VSERRADA"));
    QUANTIDADE = resultLabel(QStringLiteral("QUANTIDADE"));
    ESTOQUE = resultLabel(QStringLiteral("ESTOQUE"));

    DBGrid1 = statementGrid(QStringLiteral("DBGrid1"), dm->TEntrada_discriminacao, QStringLiteral("QUANTIDADE"));
    DBGrid2 = statementGrid(QStringLiteral("DBGrid2"), dm->TESDISCRIMINACAO, QStringLiteral("QUANTIDADE"));
    DBGrid3 = statementGrid(QStringLiteral("DBGrid3"), dm->TSAIDATOROSDISCRIMINACAO, QStringLiteral("QUANTIDADE"));
    DBGrid4 = statementGrid(QStringLiteral("DBGrid4"), dm->TSaida_Discriminacao, QStringLiteral("TOTALM3"));

    layout->addWidget(new QLabel(QStringLiteral("Madeira em Toro:")));
    layout->addWidget(DBGrid1);
    layout->addWidget(DBGrid3);
    layout->addLayout(subTotalLine(QTORO, VTORO));
    layout->addWidget(new QLabel(QStringLiteral("Madeira Serrada:")));
    layout->addWidget(DBGrid2);
    layout->addWidget(DBGrid4);
    layout->addLayout(subTotalLine(QSERRADA, VSERRADA));

    auto *totals = new QGridLayout;
    totals->addWidget(new QLabel(QStringLiteral("Quantidade(M/3):")), 0, 1);
    totals->addWidget(QUANTIDADE, 0, 2);
    totals->addWidget(new QLabel(QStringLiteral("Total(R$)......:")), 1, 1);
    totals->addWidget(ESTOQUE, 1, 2);
    totals->setColumnStretch(0, 1);
    layout->addLayout(totals);

    auto *buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("&Cansultar"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("&Retornar"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);

    connect(m_tipo, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            guarded(this, [this] { RadioGroup1Click(); });
    });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
}

void TfrmDemo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [this] { FormShow(); });
}

void TfrmDemo::FormShow()
{
    if (Compras->isChecked())
        RadioGroup1Click(); // the same type again still shows its grids
    else
        Compras->setChecked(true);
    DateEdit1->clearDate();
    DateEdit2->clearDate();
    ESTOQUE->clear();
    DateEdit1->setFocus();
}

TfrmDemo::Block TfrmDemo::logBlock() const
{
    return Compras->isChecked() ? Block{dm->TEntrada_discriminacao, QStringLiteral("QUANTIDADE"), QTORO, VTORO}
                                : Block{dm->TSAIDATOROSDISCRIMINACAO, QStringLiteral("QUANTIDADE"), QTORO, VTORO};
}

TfrmDemo::Block TfrmDemo::sawnBlock() const
{
    return Compras->isChecked() ? Block{dm->TESDISCRIMINACAO, QStringLiteral("QUANTIDADE"), QSERRADA, VSERRADA}
                                : Block{dm->TSaida_Discriminacao, QStringLiteral("TOTALM3"), QSERRADA, VSERRADA};
}

void TfrmDemo::RadioGroup1Click()
{
    const bool compras = Compras->isChecked();
    DBGrid1->setVisible(compras);
    DBGrid2->setVisible(compras);
    DBGrid3->setVisible(!compras);
    DBGrid4->setVisible(!compras);
    for (data::Table *t : compras ? QVector<data::Table *>{dm->TEntrada_discriminacao, dm->TESDISCRIMINACAO}
                                  : QVector<data::Table *>{dm->TSaida_Discriminacao, dm->TSAIDATOROSDISCRIMINACAO}) {
        t->setFiltered(false);
        t->close();
    }
    clearLabels();
}

void TfrmDemo::clearLabels()
{
    for (QLabel *l : {QTORO, VTORO, QSERRADA, VSERRADA, QUANTIDADE, ESTOQUE})
        l->clear();
}

void TfrmDemo::query(const Block &block)
{
    data::Table *t = block.table;
    t->setFiltered(false);
    t->close();
    const QVariantMap period = statements::periodParams(DateEdit1, DateEdit2);
    const QString condition = statements::periodCondition(QStringLiteral("DATALANCAMENTO"));
    t->setFilter(condition, period);
    t->setFiltered(true);
    t->open();
    // SUM leaves out empty values, which is counting them as 0.
    const QVariantList sums = data::firstRow(
        dm->IBDatabase1,
        QStringLiteral("select sum(%1), sum(VALTOTAL) from %2 where %3").arg(block.quantity, t->tableName(), condition),
        period);
    block.q->setText(core::formatAmount(sums.value(0).toDouble(), kQty4));
    block.v->setText(core::formatAmount(sums.value(1).toDouble(), kMoney));
}

void TfrmDemo::BitBtn1Click()
{
    if (!statements::periodGiven(DateEdit1, DateEdit2, QStringLiteral("Informação"), this))
        return;
    query(logBlock());
    query(sawnBlock());
    // The totals add the sub-totals as shown, each already rounded.
    QUANTIDADE->setText(core::formatAmount(shownValue(QTORO) + shownValue(QSERRADA), kQty4));
    ESTOQUE->setText(core::formatAmount(shownValue(VTORO) + shownValue(VSERRADA), kMoney));
}

void TfrmDemo::BitBtn2Click()
{
    for (data::Table *t : {dm->TEntrada_discriminacao, dm->TESDISCRIMINACAO, dm->TSaida_Discriminacao,
                           dm->TSAIDATOROSDISCRIMINACAO}) {
        t->setFiltered(false);
        t->close();
    }
    dm->TPRODUCAO->close();
    QSERRADA->clear();
    VTORO->clear();
    QUANTIDADE->clear();
    QDialog::reject();
}

void TfrmDemo::reject()
{
    guarded(this, [this] { BitBtn2Click(); });
}
