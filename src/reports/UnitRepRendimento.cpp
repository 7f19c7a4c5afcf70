#include "UnitRepRendimento.h"

#include "EntradaReports.h"
#include "ProducaoReports.h"

#include "core/Formats.h"
#include "core/SawingYield.h"
#include "data/SchemaUpgrade.h"
#include "data/Statement.h"

#include <QPainter>

namespace reports {

namespace {

const double kLine = 4.5; // mm, one printed line
const QString kVolume = QStringLiteral("#,####0.0000");

// Production grouped by species and product, inside the period's markers.
const QString kGrouped = QStringLiteral(
    "(select coalesce(max(ESSENCIA), '') as ESSENCIA, coalesce(upper(trim(PRODUTO)), '') as PRODUTO, "
    "sum(coalesce(QTORA, 0)) as QTORA, sum(coalesce(QSERRADA, 0)) as QSERRADA, "
    "coalesce(cast(CODIGOESSENCIA as varchar(30)), '') || '|' || coalesce(upper(trim(PRODUTO)), '') as CHAVE "
    "from PRODUCAO where DATA >= :inicio and DATA < :depois "
    "group by CODIGOESSENCIA, upper(trim(PRODUTO))) RENDIMENTO");

QString percentOf(double logs, double sawn)
{
    return core::formatYieldPercent(core::yieldPercent(logs, sawn));
}

} // namespace

BarChart yieldChart(const QVector<SpeciesYield> &species, double coefficient)
{
    BarChart chart;
    chart.title = QStringLiteral("Rendimento por Essência");
    chart.axisTitle = QStringLiteral("%");
    BarChart::Series yield{QStringLiteral("Rendimento (%)"), QColor(40, 110, 180), {}};
    BarChart::Series legal{QStringLiteral("Coeficiente (%)"), QColor(230, 140, 30), {}};
    for (const SpeciesYield &s : species) {
        chart.categories << s.species;
        yield.values << core::yieldPercent(s.logs, s.sawn).value_or(0);
        legal.values << coefficient;
    }
    chart.series = {yield, legal};
    return chart;
}

ReportDefinition RepRendimento(const QVariantMap &params, double coefficient, const QVector<SpeciesYield> &species)
{
    ReportDefinition def;
    def.name = QStringLiteral("RepRendimento");
    def.paper = Paper::A4;
    def.params = params;
    const Period period = periodOf(params);
    def.data.table = kGrouped;
    def.data.params.insert(QStringLiteral("inicio"), QDateTime(period.from, QTime(0, 0)));
    def.data.params.insert(QStringLiteral("depois"), QDateTime(period.to.addDays(1), QTime(0, 0)));
    orderOf(def.name, params, {QStringLiteral("ESSENCIA")});
    def.data.order = {QStringLiteral("ESSENCIA"), QStringLiteral("PRODUTO")};
    def.data.key = QStringLiteral("CHAVE");

    QVector<Element> extra;
    periodHeading(extra, 0, period);
    const QString coefficientText = core::formatFloat(QStringLiteral("#0.00"), coefficient) + QStringLiteral(" %");
    headingLine(extra, 2 * kLine, QStringLiteral("Coeficiente......:"), 38,
                [coefficientText](const ReportContext &) { return coefficientText; }, 30);
    def.pageHeader = standardPageHeader(def, QStringLiteral("RENDIMENTO DA PRODUÇÃO"), extra, 3 * kLine);

    const Qt::Alignment right = Qt::AlignRight;
    const double xProd = 46, wProd = 40, xLog = 86, wLog = 27, xSawn = 115, wSawn = 27, xYield = 144, wYield = 16,
                 xDiff = 162, wDiff = 28;
    def.columnHeader = columnTitles(def, {{0, 44, QStringLiteral("ESSÊNCIA")},
                                          {xProd, wProd, QStringLiteral("PRODUTO")},
                                          {xLog, wLog, QStringLiteral("TORA(M/3)"), right},
                                          {xSawn, wSawn, QStringLiteral("SERRADA(M/3)"), right},
                                          {xYield, wYield, QStringLiteral("REND.%"), right},
                                          {xDiff, wDiff, QStringLiteral("DIFERENÇA(M/3)"), right}});

    Group group;
    group.key = leftOf(QStringLiteral("ESSENCIA"), 30);
    group.header.height = 5;
    group.header.add(computed(0, 0.5, 80, kLine,
                              [](const ReportContext &c) { return c.value(QStringLiteral("ESSENCIA")).toString(); },
                              Qt::AlignLeft, true));
    group.footer.height = 6.5;
    Element subRule = rule(0.5, xDiff + wDiff - xLog);
    subRule.rect.moveLeft(xLog);
    group.footer.add(subRule);
    auto difference = [coefficient](double logs, double sawn) {
        return core::yieldDifference(logs, sawn, coefficient);
    };
    group.footer.add(computed(xProd, 1.5, wProd, kLine,
                              [difference](const ReportContext &c) {
                                  return core::yieldFlagText(core::yieldFlag(
                                      difference(c.sum(QStringLiteral("SUBTORA")), c.sum(QStringLiteral("SUBSERRADA")))));
                              },
                              Qt::AlignLeft, true));
    group.footer.add(sumField(xLog, 1.5, wLog, kLine, QStringLiteral("SUBTORA"), kVolume));
    group.footer.add(sumField(xSawn, 1.5, wSawn, kLine, QStringLiteral("SUBSERRADA"), kVolume));
    group.footer.add(computed(xYield, 1.5, wYield, kLine,
                              [](const ReportContext &c) {
                                  return percentOf(c.sum(QStringLiteral("SUBTORA")), c.sum(QStringLiteral("SUBSERRADA")));
                              },
                              right, true));
    group.footer.add(computed(xDiff, 1.5, wDiff, kLine,
                              [difference](const ReportContext &c) {
                                  return core::formatSignedVolume(
                                      difference(c.sum(QStringLiteral("SUBTORA")), c.sum(QStringLiteral("SUBSERRADA"))));
                              },
                              right, true));
    def.groups = {group};

    def.detail.height = kLine;
    def.detail.add(field(xProd, 0, wProd, kLine, QStringLiteral("PRODUTO")));
    def.detail.add(field(xLog, 0, wLog, kLine, QStringLiteral("QTORA"), kVolume, right));
    def.detail.add(field(xSawn, 0, wSawn, kLine, QStringLiteral("QSERRADA"), kVolume, right));
    def.detail.add(computed(xYield, 0, wYield, kLine,
                            [](const ReportContext &c) {
                                return percentOf(c.value(QStringLiteral("QTORA")).toDouble(),
                                                 c.value(QStringLiteral("QSERRADA")).toDouble());
                            },
                            right));

    def.sums = {{QStringLiteral("SUBTORA"), QStringLiteral("QTORA"), 0},
                {QStringLiteral("SUBSERRADA"), QStringLiteral("QSERRADA"), 0},
                {QStringLiteral("TORA"), QStringLiteral("QTORA"), -1},
                {QStringLiteral("SERRADA"), QStringLiteral("QSERRADA"), -1}};

    const double chartHeight = 95;
    def.summary.height = 10 + chartHeight;
    def.summary.add(rule(0.5));
    def.summary.add(label(0, 1.5, 44, kLine, QStringLiteral("TOTAL"), Qt::AlignLeft, true));
    def.summary.add(computed(xProd, 1.5, wProd, kLine,
                             [difference](const ReportContext &c) {
                                 return core::yieldFlagText(core::yieldFlag(
                                     difference(c.sum(QStringLiteral("TORA")), c.sum(QStringLiteral("SERRADA")))));
                             },
                             Qt::AlignLeft, true));
    def.summary.add(sumField(xLog, 1.5, wLog, kLine, QStringLiteral("TORA"), kVolume));
    def.summary.add(sumField(xSawn, 1.5, wSawn, kLine, QStringLiteral("SERRADA"), kVolume));
    def.summary.add(computed(xYield, 1.5, wYield, kLine,
                             [](const ReportContext &c) {
                                 return percentOf(c.sum(QStringLiteral("TORA")), c.sum(QStringLiteral("SERRADA")));
                             },
                             right, true));
    def.summary.add(computed(xDiff, 1.5, wDiff, kLine,
                             [difference](const ReportContext &c) {
                                 return core::formatSignedVolume(
                                     difference(c.sum(QStringLiteral("TORA")), c.sum(QStringLiteral("SERRADA"))));
                             },
                             right, true));
    const BarChart chart = yieldChart(species, coefficient);
    def.summary.add(drawing(0, 9, printableWidth(def), chartHeight,
                            [chart](QPainter &p, const QRectF &r) { paintBarChart(p, r, chart); }));
    def.pageFooter = standardPageFooter(def);
    return def;
}

ReportEntry repRendimentoEntry()
{
    return {QStringLiteral("RepRendimento"),
            QStringLiteral("Rendimento da produção de um período por essência e produto, contra o coeficiente"),
            productionPeriodParameters(QStringLiteral("ESSENCIA (a única)")),
            [](data::Connection &connection, const QVariantMap &params) {
                // A database made before the coefficient's table gets it here too.
                data::SchemaUpgrade::ensureInstalled(&connection, {data::SchemaUpgrade::AddedTables});
                const QVariantList stored = data::firstRow(&connection,
                    QStringLiteral("select PERCENTUAL from COEFICIENTE_RENDIMENTO where CODIGO = 1"));
                const double coefficient =
                    stored.isEmpty() || stored.first().isNull() ? core::kLegalYieldPercent : stored.first().toDouble();
                const Period period = periodOf(params);
                const QVector<QVariantList> rows = data::allRows(&connection,
                    QStringLiteral("select coalesce(max(ESSENCIA), ''), sum(coalesce(QTORA, 0)), "
                                   "sum(coalesce(QSERRADA, 0)) from PRODUCAO where DATA >= :inicio and DATA < :depois "
                                   "group by CODIGOESSENCIA order by 1"),
                    {{QStringLiteral("inicio"), QDateTime(period.from, QTime(0, 0))},
                     {QStringLiteral("depois"), QDateTime(period.to.addDays(1), QTime(0, 0))}});
                QVector<SpeciesYield> species;
                for (const QVariantList &r : rows)
                    species.push_back({r.value(0).toString().trimmed(), r.value(1).toDouble(), r.value(2).toDouble()});
                return RepRendimento(params, coefficient, species);
            }};
}

} // namespace reports
