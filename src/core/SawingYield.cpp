#include "SawingYield.h"

#include "Amount.h"

namespace core {

std::optional<double> yieldPercent(double logs, double sawn)
{
    if (logs <= 0)
        return std::nullopt;
    return sawn / logs * 100.0;
}

double yieldDifference(double logs, double sawn, double coefficientPercent)
{
    return roundAmount4(sawn - logs * coefficientPercent / 100.0);
}

YieldFlag yieldFlag(double difference)
{
    const qint64 units = toTenThousandths(difference);
    if (units > 0)
        return YieldFlag::Above;
    if (units < 0)
        return YieldFlag::Below;
    return YieldFlag::Within;
}

QString yieldFlagText(YieldFlag flag)
{
    switch (flag) {
    case YieldFlag::Above:
        return QStringLiteral("ACIMA");
    case YieldFlag::Below:
        return QStringLiteral("ABAIXO");
    case YieldFlag::Within:
        break;
    }
    return QStringLiteral("NO COEFICIENTE");
}

QString formatYieldPercent(std::optional<double> percent)
{
    return percent ? formatAmount(*percent, QStringLiteral("#0.00")) : QString();
}

QString formatSignedVolume(double volume)
{
    const qint64 units = toTenThousandths(volume);
    const QString text = formatAmount(fromTenThousandths(units < 0 ? -units : units), QStringLiteral("#0.0000"));
    if (units > 0)
        return QLatin1Char('+') + text;
    if (units < 0)
        return QLatin1Char('-') + text;
    return text;
}

} // namespace core
