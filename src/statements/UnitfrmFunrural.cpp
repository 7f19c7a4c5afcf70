#include "UnitfrmFunrural.h"

#include "Period.h"
#include "core/Amount.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace widgets;

TfrmFunRural::TfrmFunRural(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmFunRural"));
    setWindowTitle(QStringLiteral("Consulta FunRural"));
    setMovementWindowFlags(this);

    auto *layout = new QVBoxLayout(this);
    auto *banner = new QLabel(QStringLiteral("Consulta FunRural"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: white; padding: 10px; "
                                         "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #5a3a1a, stop:1 #a07040);"));
    layout->addWidget(banner);

    auto *box = new QGroupBox(QStringLiteral("Selecione o metodo de consulta"));
    auto *bl = new QGridLayout(box);
    bl->addWidget(new QLabel(QStringLiteral("Período Inicial")), 0, 0);
    bl->addWidget(new QLabel(QStringLiteral("Período Final")), 0, 1);
    DateEdit1 = new DateEdit;
    DateEdit1->setObjectName(QStringLiteral("DateEdit1"));
    DateEdit2 = new DateEdit;
    DateEdit2->setObjectName(QStringLiteral("DateEdit2"));
    bl->addWidget(DateEdit1, 1, 0);
    bl->addWidget(DateEdit2, 1, 1);
    CheckBox1 = new QCheckBox(QStringLiteral("Fornecedor"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    bl->addWidget(CheckBox1, 2, 0);
    bl->addWidget(new QLabel(QStringLiteral("Fornecedor (Clique no botão ou pressione Enter para selecionar o Fornecedor)")),
                  3, 0, 1, 3);
    auto *supplier = new QHBoxLayout;
    essencia = new QLineEdit;
    essencia->setObjectName(QStringLiteral("essencia"));
    essencia->setReadOnly(true);
    essencia->setMaximumWidth(90);
    SpeedButton1 = new QPushButton(QStringLiteral("&P"));
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(QStringLiteral("Pesquisa Cliente"));
    SpeedButton1->setFixedWidth(30);
    SpeedButton1->setEnabled(false);
    FORNECEDOR = new QLineEdit;
    FORNECEDOR->setObjectName(QStringLiteral("FORNECEDOR"));
    FORNECEDOR->setReadOnly(true);
    FORNECEDOR->setMinimumWidth(300);
    supplier->addWidget(essencia);
    supplier->addWidget(SpeedButton1);
    supplier->addWidget(FORNECEDOR, 1);
    bl->addLayout(supplier, 4, 0, 1, 3);
    layout->addWidget(box);

    DBGrid1 = new DBGrid;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setDataSource(dm->DSEntrada);
    DBGrid1->setColumns({{QStringLiteral("NF_NUMERO"), QStringLiteral("NF"), 80},
                         {QStringLiteral("DATA_EMISSAO"), QStringLiteral("Data"), 90, Qt::AlignCenter},
                         {QStringLiteral("BASE_CALCULO_FUNRURAL"), QStringLiteral("Base Calculo"), 110},
                         {QStringLiteral("ALIQ_FUNRURAL"), QStringLiteral("Aliquota"), 80},
                         {QStringLiteral("VALOR_FUNRURAL"), QStringLiteral("Valor"), 100}});
    DBGrid1->setMinimumHeight(160);
    layout->addWidget(DBGrid1);

    auto *total = new QHBoxLayout;
    total->addStretch(1);
    total->addWidget(new QLabel(QStringLiteral("FunRural.............:")));
    ESTOQUE = new QLabel;
    ESTOQUE->setObjectName(QStringLiteral("ESTOQUE"));
    ESTOQUE->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ESTOQUE->setMinimumWidth(110);
    ESTOQUE->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));
    total->addWidget(ESTOQUE);
    layout->addLayout(total);

    auto *buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("&Cansultar"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("&Retornar"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);

    connect(CheckBox1, &QCheckBox::clicked, this, [this] { guarded(this, [this] { CheckBox1Click(); }); });
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { guarded(this, [this] { SpeedButton1Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
}

void TfrmFunRural::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [this] { FormShow(); });
}

void TfrmFunRural::FormShow()
{
    DateEdit1->clearDate();
    DateEdit2->clearDate();
    essencia->clear();
    FORNECEDOR->clear();
    DateEdit1->setFocus();
}


void TfrmFunRural::CheckBox1Click()
{
    if (CheckBox1->isChecked()) {
        SpeedButton1->setEnabled(true);
    } else {
        essencia->setEnabled(false);
        SpeedButton1->setEnabled(false);
        FORNECEDOR->setEnabled(false);
        essencia->clear();
        FORNECEDOR->clear();
    }
}

void TfrmFunRural::SpeedButton1Click()
{
    if (const std::optional<PickedRow> row = m_suppliers.choose()) {
        essencia->setText(row->text(QStringLiteral("CODIGOFORNECEDOR")));
        FORNECEDOR->setText(row->text(QStringLiteral("NOMEFORNECEDOR")));
        BitBtn1->setFocus();
    }
}

void TfrmFunRural::BitBtn1Click()
{
    if (!statements::periodGiven(DateEdit1, DateEdit2, QStringLiteral("Consulta"), this))
        return;
    data::Table *t = dm->TEntrada;
    t->setFiltered(false);
    t->close();
    QVariantMap params = statements::periodParams(DateEdit1, DateEdit2);
    QString condition = statements::periodCondition(QStringLiteral("DATA_EMISSAO"));
    // Only a code in the edit narrows to one supplier, whatever the box says.
    const QString code = essencia->text().trimmed();
    if (!code.isEmpty()) {
        condition += QStringLiteral(" and CODIGOFORNECEDOR = :fornecedor");
        params.insert(QStringLiteral("fornecedor"), code.toDouble());
    }
    t->setFilter(condition, params);
    t->setFiltered(true);
    t->open();
    const QVariantList sum = data::firstRow(
        dm->IBDatabase1, QStringLiteral("select sum(VALOR_FUNRURAL) from ENTRADA_TOROS where ") + condition, params);
    ESTOQUE->setText(core::formatAmount(sum.value(0).toDouble(), QStringLiteral("#0.00")));
}

void TfrmFunRural::BitBtn2Click()
{
    dm->TEntrada->setFiltered(false);
    dm->TEntrada->close();
    ESTOQUE->clear();
    essencia->clear();
    FORNECEDOR->clear();
    QDialog::reject();
}

void TfrmFunRural::reject()
{
    guarded(this, [this] { BitBtn2Click(); });
}
