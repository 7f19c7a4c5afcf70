#include "UnitConsultaProducao.h"

#include "core/Amount.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace widgets;

namespace {

QFrame *hRule()
{
    auto *f = new QFrame;
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

TfrmConsultaProducao::TfrmConsultaProducao(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmConsultaProducao"));
    setWindowTitle(QStringLiteral("Consulta Produção"));
    setMovementWindowFlags(this);
    auto *layout = new QVBoxLayout(this);

    auto *box = new QGroupBox(QStringLiteral("Selecione o metodo de consulta"));
    auto *bl = new QVBoxLayout(box);
    auto *dateRow = new QHBoxLayout;
    auto *dateLabel = new QLabel(QStringLiteral("Data"));
    Data = new DateEdit;
    Data->setObjectName(QStringLiteral("Data"));
    dateLabel->setBuddy(Data);
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(Data);
    dateRow->addStretch();
    bl->addLayout(dateRow);
    CheckBox1 = new QCheckBox(QStringLiteral("Essência"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    bl->addWidget(CheckBox1);
    Essencia = new DBLookupComboBox;
    Essencia->setObjectName(QStringLiteral("Essencia"));
    Essencia->setListSource(dm->TEssencia, QStringLiteral("CODIGO"), QStringLiteral("ESSENCIA"));
    Essencia->setMaxVisibleItems(8);
    Essencia->setDropDownOnEnter(true);
    Essencia->setEnabled(false);
    bl->addWidget(Essencia);
    layout->addWidget(box);

    DBGrid1 = new DBGrid;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setColumns({{QStringLiteral("CODPRODUTO"), QStringLiteral("Cód.Prod"), 80},
                         {QStringLiteral("DATA"), QStringLiteral("Data"), 97, Qt::AlignCenter},
                         {QStringLiteral("ESSENCIA"), QStringLiteral("Essência"), 200},
                         {QStringLiteral("QSERRADA"), QStringLiteral("Qtde (M/3)"), 102}});
    DBGrid1->setDataSource(dm->DPRODUCAO);
    layout->addWidget(DBGrid1, 1);

    layout->addWidget(hRule());
    auto *totalRow = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("Produção.............:"));
    caption->setStyleSheet(QStringLiteral("font-family: 'Courier New'; color: navy;"));
    TotalProducao = new QLabel;
    TotalProducao->setObjectName(QStringLiteral("TotalProducao"));
    TotalProducao->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TotalProducao->setMinimumWidth(150);
    TotalProducao->setStyleSheet(QStringLiteral("font-family: 'Courier New'; font-weight: bold; color: navy;"));
    totalRow->addWidget(caption);
    totalRow->addWidget(TotalProducao, 1);
    layout->addLayout(totalRow);
    layout->addWidget(hRule());

    auto *buttons = new QHBoxLayout;
    BitBtn3 = new QPushButton(QStringLiteral("&Cansultar"));
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn1 = new QPushButton(QStringLiteral("&Retornar"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton *b : {BitBtn3, BitBtn1}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(CheckBox1, &QCheckBox::clicked, this, [this] { guarded(this, [this] { CheckBox1Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
}

void TfrmConsultaProducao::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        Data->clearDate();
        Data->setFocus();
    }
}

void TfrmConsultaProducao::CheckBox1Click()
{
    if (CheckBox1->isChecked()) {
        dm->TEssencia->close();
        dm->TEssencia->setIndexFieldNames(QStringLiteral("ESSENCIA"));
        dm->TEssencia->open();
        Essencia->setEnabled(true);
    } else {
        Essencia->setKeyValue(QVariant());
        dm->TEssencia->close();
        Essencia->setEnabled(false);
    }
}

void TfrmConsultaProducao::BitBtn3Click()
{
    // An impossible date is no date.
    if (!Data->isValidDate()) {
        inform(QStringLiteral("Data deve ser informada!"), QStringLiteral("Consulta"), this);
        Data->setFocus();
        return;
    }
    // The whole day, whatever time a row carries; the date bound as a date.
    QString condition = QStringLiteral("DATA >= :dia and DATA < :seguinte");
    QVariantMap params = {{QStringLiteral("dia"), QDateTime(Data->date(), QTime(0, 0))},
                          {QStringLiteral("seguinte"), QDateTime(Data->date().addDays(1), QTime(0, 0))}};
    if (CheckBox1->isChecked() && Essencia->hasSelection()) {
        condition += QStringLiteral(" and CODIGOESSENCIA = :essencia");
        params.insert(QStringLiteral("essencia"), Essencia->keyValue());
    }
    data::Table *t = dm->TPRODUCAO;
    t->setFiltered(false);
    t->close();
    t->setFilter(condition, params);
    t->setFiltered(true);
    t->open();
    const QVariantList sum = data::firstRow(
        dm->IBDatabase1, QStringLiteral("select sum(QSERRADA) from PRODUCAO where ") + condition, params);
    TotalProducao->setText(core::formatAmount(sum.value(0).toDouble(), QStringLiteral("#0.0000")));
}

void TfrmConsultaProducao::BitBtn1Click()
{
    dm->TPRODUCAO->setFiltered(false);
    dm->TPRODUCAO->close();
    dm->TEssencia->setFiltered(false);
    dm->TEssencia->close();
    Essencia->setKeyValue(QVariant());
    Essencia->setEnabled(false);
    CheckBox1->setChecked(false);
    TotalProducao->clear();
    QDialog::reject();
}

void TfrmConsultaProducao::reject()
{
    guarded(this, [this] { BitBtn1Click(); });
}
