#include "UnitConsultaRendimento.h"

#include "core/Amount.h"
#include "core/Formats.h"
#include "core/SawingYield.h"
#include "data/UnitDM.h"
#include "logs/ReportRun.h"
#include "rules/SawingYield.h"
#include "widgets/DateEdit.h"
#include "widgets/FigureTable.h"
#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace widgets;

namespace {

const QString kInfo = QStringLiteral("Informação");
const QString kVolume = QStringLiteral("#,####0.0000");

} // namespace

TfrmConsultaRendimento::TfrmConsultaRendimento(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmConsultaRendimento"));
    setWindowTitle(QStringLiteral("Consulta Rendimento da Produção"));
    setMovementWindowFlags(this);
    resize(1100, 620);
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *fromLabel = new QLabel(QStringLiteral("Período &Inicial"));
    DataInicial1 = new DateEdit;
    DataInicial1->setObjectName(QStringLiteral("DataInicial1"));
    fromLabel->setBuddy(DataInicial1);
    auto *toLabel = new QLabel(QStringLiteral("Período &Final"));
    DataFinal1 = new DateEdit;
    DataFinal1->setObjectName(QStringLiteral("DataFinal1"));
    toLabel->setBuddy(DataFinal1);
    Coeficiente = new QLabel;
    Coeficiente->setObjectName(QStringLiteral("Coeficiente"));
    top->addWidget(fromLabel);
    top->addWidget(DataInicial1);
    top->addSpacing(12);
    top->addWidget(toLabel);
    top->addWidget(DataFinal1);
    top->addStretch();
    top->addWidget(Coeficiente);
    layout->addLayout(top);

    Grid1 = new QTableWidget;
    Grid1->setObjectName(QStringLiteral("Grid1"));
    setUpFigureTable(Grid1, {QStringLiteral("Essência"), QStringLiteral("Produto"), QStringLiteral("Tora (M/3)"),
                             QStringLiteral("Serrada (M/3)"), QStringLiteral("Rend. %"), QStringLiteral("Situação"),
                             QStringLiteral("Diferença (M/3)")});

    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Rendimento por Essência"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    Chart1 = new QChartView(chart);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setMinimumWidth(360);
    Chart1->setFocusPolicy(Qt::NoFocus);

    auto *split = new QSplitter(Qt::Horizontal);
    split->addWidget(Grid1);
    split->addWidget(Chart1);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);

    auto *buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("&Consultar"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("&Vizualizar"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn3 = new QPushButton(QStringLiteral("&Retornar"));
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    buttons->addStretch();
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn3}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
}

void TfrmConsultaRendimento::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        clearResult();
        guarded(this, [this] {
            Coeficiente->setText(QStringLiteral("Coeficiente: %1 %")
                                     .arg(core::formatFloat(QStringLiteral("#0.00"),
                                                            rules::yieldCoefficient(dm->IBDatabase1))));
        });
        DataInicial1->setFocus();
    }
}

bool TfrmConsultaRendimento::periodGiven()
{
    // An impossible date is no date: the period must be typed again.
    if (!DataInicial1->isValidDate()) {
        inform(QStringLiteral("Período Inicial deve ser informado!"), kInfo, this);
        DataInicial1->setFocus();
        return false;
    }
    if (!DataFinal1->isValidDate()) {
        inform(QStringLiteral("Período Final deve ser informado!"), kInfo, this);
        DataFinal1->setFocus();
        return false;
    }
    return true;
}

void TfrmConsultaRendimento::clearResult()
{
    Grid1->setRowCount(0);
    QChart *chart = Chart1->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);
}

void TfrmConsultaRendimento::BitBtn1Click()
{
    if (!periodGiven())
        return;
    clearResult();
    const double coefficient = rules::yieldCoefficient(dm->IBDatabase1);
    Coeficiente->setText(
        QStringLiteral("Coeficiente: %1 %").arg(core::formatFloat(QStringLiteral("#0.00"), coefficient)));
    const QVector<rules::YieldSpecies> species =
        rules::yieldBySpecies(rules::yieldLines(dm->IBDatabase1, DataInicial1->date(), DataFinal1->date()));
    if (species.isEmpty()) {
        inform(QStringLiteral("Não há produção no período informado!"), QStringLiteral("Consulta"), this);
        DataInicial1->setFocus();
        return;
    }

    auto addRow = [this, coefficient](const QString &speciesName, const QString &product, double logs, double sawn,
                                      bool total) {
        QStringList texts = {speciesName, product, core::formatAmount(logs, kVolume), core::formatAmount(sawn, kVolume),
                             core::formatYieldPercent(core::yieldPercent(logs, sawn))};
        if (total) {
            const double d = core::yieldDifference(logs, sawn, coefficient);
            texts << core::yieldFlagText(core::yieldFlag(d)) << core::formatSignedVolume(d);
        }
        appendFigureRow(Grid1, texts, {false, false, true, true, true, false, true}, total);
    };

    auto *yieldSet = new QBarSet(QStringLiteral("Rendimento (%)"));
    auto *legalSet = new QBarSet(QStringLiteral("Coeficiente (%)"));
    yieldSet->setColor(QColor(40, 110, 180));
    legalSet->setColor(QColor(230, 140, 30));
    QStringList names;
    double logs = 0, sawn = 0, top = coefficient;
    for (const rules::YieldSpecies &s : species) {
        for (const rules::YieldLine &l : s.products)
            addRow(s.species, l.product, l.logs, l.sawn, false);
        addRow(s.species, QStringLiteral("Total da Essência"), s.logs, s.sawn, true);
        logs += s.logs;
        sawn += s.sawn;
        const double percent = core::yieldPercent(s.logs, s.sawn).value_or(0);
        names << s.species;
        *yieldSet << percent;
        *legalSet << coefficient;
        top = std::max(top, percent);
    }
    addRow(QStringLiteral("TOTAL"), QString(), logs, sawn, true);

    auto *series = new QBarSeries;
    series->append(yieldSet);
    series->append(legalSet);
    QChart *chart = Chart1->chart();
    chart->addSeries(series);
    auto *categories = new QBarCategoryAxis;
    categories->append(names);
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto *values = new QValueAxis;
    values->setRange(0, std::ceil(top / 10) * 10);
    values->setLabelFormat(QStringLiteral("%.0f"));
    values->setTitleText(QStringLiteral("%"));
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);
    Grid1->setFocus();
}

void TfrmConsultaRendimento::BitBtn2Click()
{
    if (!periodGiven())
        return;
    const QVariantMap params = {{QStringLiteral("inicio"), DataInicial1->date()},
                                {QStringLiteral("fim"), DataFinal1->date()}};
    if (!logs::runReport(dm, QStringLiteral("RepRendimento"), params, logs::ReportOutput::Preview, this)) {
        inform(logs::kNoReport, kInfo, this);
        DataInicial1->setFocus();
    }
}

void TfrmConsultaRendimento::BitBtn3Click()
{
    clearResult();
    DataInicial1->clearDate();
    DataFinal1->clearDate();
    QDialog::reject();
}

void TfrmConsultaRendimento::reject()
{
    guarded(this, [this] { BitBtn3Click(); });
}
