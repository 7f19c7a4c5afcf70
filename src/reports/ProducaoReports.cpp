#include "ProducaoReports.h"

#include "EntradaReports.h"
#include "ReportError.h"

namespace reports {

namespace {
const double kLine = 4.5; // mm, one printed line
}

Period periodOf(const QVariantMap &params)
{
    return {params.value(QStringLiteral("INICIO")).toDate(), params.value(QStringLiteral("FIM")).toDate()};
}

void periodCondition(RowSource &source, const QString &dateColumn, const Period &period)
{
    // The final day counts whole, whatever time of day a row carries.
    source.condition = dateColumn + QStringLiteral(" >= :inicio and ") + dateColumn + QStringLiteral(" < :depois");
    source.params.insert(QStringLiteral("inicio"), QDateTime(period.from, QTime(0, 0)));
    source.params.insert(QStringLiteral("depois"), QDateTime(period.to.addDays(1), QTime(0, 0)));
}

void periodHeading(QVector<Element> &extra, double y, const Period &period)
{
    const QString fromText = period.from.toString(QStringLiteral("dd/MM/yyyy"));
    const QString toText = period.to.toString(QStringLiteral("dd/MM/yyyy"));
    headingLine(extra, y, QStringLiteral("Período Inicial..:"), 38,
                [fromText](const ReportContext &) { return fromText; }, 30);
    headingLine(extra, y + kLine, QStringLiteral("Período Final....:"), 38,
                [toText](const ReportContext &) { return toText; }, 30);
}

QString orderOf(const QString &report, const QVariantMap &params, const QStringList &allowed)
{
    const QString order = params.value(QStringLiteral("ORDEM")).toString().trimmed().toUpper();
    if (order.isEmpty())
        return allowed.value(0);
    if (!allowed.contains(order))
        throw ReportError(QStringLiteral("Parâmetro ORDEM do relatório %1: \"%2\" não é %3.")
                              .arg(report, order, allowed.join(QStringLiteral(", "))));
    return order;
}

QVector<ReportParameter> productionPeriodParameters(const QString &orders)
{
    return {{QStringLiteral("INICIO"), ReportParameter::Type::Date, QStringLiteral("primeiro dia do período"), true},
            {QStringLiteral("FIM"), ReportParameter::Type::Date, QStringLiteral("último dia do período"), true},
            {QStringLiteral("ORDEM"), ReportParameter::Type::Text, orders, false}};
}

} // namespace reports
