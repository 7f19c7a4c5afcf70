#include "UnitRepRendimento.h"

#include "ReportParts.h"

#include "core/Formats.h"
#include "core/SawingYield.h"
#include "data/SchemaUpgrade.h"
#include "data/Statement.h"

#include <QPainter>

namespace reports {

namespace {

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
    periodParams(def.data.params, period);
    orderOf(def.name, params, {QStringLiteral("ESSENCIA")});
    def.data.order = {QStringLiteral("ESSENCIA"), QStringLiteral("PRODUTO")};
    def.data.key = QStringLiteral("CHAVE");

    QVector<Element> extra;
    periodHeading(extra, 0, period);
    headingLine(extra, 2 * kLine, QStringLiteral("Coeficiente......:"), 38,
                fixedText(core::formatFloat(QStringLiteral("#0.00"), coefficient) + QStringLiteral(" %")), 30);
    def.pageHeader = standardPageHeader(def, QStringLiteral("RENDIMENTO DA PRODUÇÃO"), extra, 3 * kLine);

    const Qt::Alignment right = Qt::AlignRight;
    const double xProd = 46, wProd = 40, xLog = 86, wLog = 27, xSawn = 115, wSawn = 27, xYield = 144, wYield = 16,
                 xDiff = 162, wDiff = 28;
    setColumns(def, {{0, 44, QStringLiteral("ESSÊNCIA")},
                     {xProd, wProd, QStringLiteral("PRODUTO"), QStringLiteral("PRODUTO")},
                     {xLog, wLog, QStringLiteral("TORA(M/3)"), QStringLiteral("QTORA"), kVolume, right},
                     {xSawn, wSawn, QStringLiteral("SERRADA(M/3)"), QStringLiteral("QSERRADA"), kVolume, right},
                     {xYield, wYield, QStringLiteral("REND.%"), {}, {}, right, false,
                      [](const ReportContext &c) {
                          return percentOf(c.value(QStringLiteral("QTORA")).toDouble(),
                                           c.value(QStringLiteral("QSERRADA")).toDouble());
                      }},
                     {xDiff, wDiff, QStringLiteral("DIFERENÇA(M/3)"), {}, {}, right}});

    // The flag, the sums, the yield and the difference of LOGS and SAWN.
    auto totals = [&](Band &band, const QString &logs, const QString &sawn) {
        auto difference = [coefficient, logs, sawn](const ReportContext &c) {
            return core::yieldDifference(c.sum(logs), c.sum(sawn), coefficient);
        };
        band.add(computed(xProd, 1.5, wProd, kLine,
                          [difference](const ReportContext &c) {
                              return core::yieldFlagText(core::yieldFlag(difference(c)));
                          },
                          Qt::AlignLeft, true));
        band.add(sumField(xLog, 1.5, wLog, kLine, logs, kVolume));
        band.add(sumField(xSawn, 1.5, wSawn, kLine, sawn, kVolume));
        band.add(computed(xYield, 1.5, wYield, kLine,
                          [logs, sawn](const ReportContext &c) { return percentOf(c.sum(logs), c.sum(sawn)); }, right,
                          true));
        band.add(computed(xDiff, 1.5, wDiff, kLine,
                          [difference](const ReportContext &c) { return core::formatSignedVolume(difference(c)); },
                          right, true));
    };
    Group group = headedGroup(leftOf(QStringLiteral("ESSENCIA"), 30), QStringLiteral("ESSENCIA"), 80);
    group.footer.height = 6.5;
    group.footer.add(ruleAt(xLog, 0.5, xDiff + wDiff - xLog));
    totals(group.footer, QStringLiteral("SUBTORA"), QStringLiteral("SUBSERRADA"));
    def.groups = {group};

    def.sums = {{QStringLiteral("SUBTORA"), QStringLiteral("QTORA"), 0},
                {QStringLiteral("SUBSERRADA"), QStringLiteral("QSERRADA"), 0},
                {QStringLiteral("TORA"), QStringLiteral("QTORA"), -1},
                {QStringLiteral("SERRADA"), QStringLiteral("QSERRADA"), -1}};

    const double chartHeight = 95;
    totalLine(def.summary, QStringLiteral("TOTAL"), 44);
    def.summary.height = 10 + chartHeight;
    totals(def.summary, QStringLiteral("TORA"), QStringLiteral("SERRADA"));
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
            periodParameters(QStringLiteral("ESSENCIA (a única)")),
            [](data::Connection &connection, const QVariantMap &params) {
                // A database made before the coefficient's table gets it here too.
                data::SchemaUpgrade::ensureInstalled(&connection, {data::SchemaUpgrade::AddedTables});
                const QVariantList stored = data::firstRow(&connection,
                    QStringLiteral("select PERCENTUAL from COEFICIENTE_RENDIMENTO where CODIGO = 1"));
                const double coefficient =
                    stored.isEmpty() || stored.first().isNull() ? core::kLegalYieldPercent : stored.first().toDouble();
                QVariantMap markers;
                periodParams(markers, periodOf(params));
                const QVector<QVariantList> rows = data::allRows(&connection,
                    QStringLiteral("select coalesce(max(ESSENCIA), ''), sum(coalesce(QTORA, 0)), "
                                   "sum(coalesce(QSERRADA, 0)) from PRODUCAO where DATA >= :inicio and DATA < :depois "
                                   "group by CODIGOESSENCIA order by 1"),
                    markers);
                QVector<SpeciesYield> species;
                for (const QVariantList &r : rows)
                    species.push_back({r.value(0).toString().trimmed(), r.value(1).toDouble(), r.value(2).toDouble()});
                return RepRendimento(params, coefficient, species);
            }};
}

} // namespace reports
