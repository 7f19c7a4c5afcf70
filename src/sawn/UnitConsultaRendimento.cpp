#include "UnitConsultaRendimento.h"

#include "core/Amount.h"
#include "core/Formats.h"
#include "core/SawingYield.h"
#include "data/UnitDM.h"
#include "logs/ReportRun.h"
#include "rules/SawingYield.h"
#include "widgets/FigureTable.h"
#include "widgets/Prompter.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace widgets;

namespace {

const QString kInfo = QStringLiteral("Informação");
const QString kVolume = QStringLiteral("#,####0.0000");

} // namespace

TfrmConsultaRendimento::TfrmConsultaRendimento(data::TDM *dm, QWidget *parent) : QueryWindow(dm, parent)
{
    setupUi(this);
    setUpFigureTable(Grid1, {QStringLiteral("Essência"), QStringLiteral("Produto"), QStringLiteral("Tora (M/3)"),
                             QStringLiteral("Serrada (M/3)"), QStringLiteral("Rend. %"), QStringLiteral("Situação"),
                             QStringLiteral("Diferença (M/3)")});
    Chart1->chart()->setTitle(QStringLiteral("Rendimento por Essência"));
    Chart1->chart()->legend()->setAlignment(Qt::AlignBottom);
    Chart1->setRenderHint(QPainter::Antialiasing);
    Split->setStretchFactor(0, 3);
    Split->setStretchFactor(1, 2);

    setUpQuery(BitBtn1, [this] { BitBtn1Click(); }, BitBtn3, [this] { BitBtn3Click(); });
    onClick(BitBtn2, [this] { BitBtn2Click(); });
}

void TfrmConsultaRendimento::FormShow()
{
    clearResult();
    guarded(this, [this] { showCoefficient(rules::yieldCoefficient(dm->IBDatabase1)); });
    DataInicial1->setFocus();
}

void TfrmConsultaRendimento::showCoefficient(double percent)
{
    Coeficiente->setText(QStringLiteral("Coeficiente: %1 %").arg(core::formatFloat(QStringLiteral("#0.00"), percent)));
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
    if (!periodGiven(DataInicial1, DataFinal1, kInfo))
        return;
    clearResult();
    const double coefficient = rules::yieldCoefficient(dm->IBDatabase1);
    showCoefficient(coefficient);
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
    if (!periodGiven(DataInicial1, DataFinal1, kInfo))
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
    leave();
}
