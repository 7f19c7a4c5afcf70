#include "DeclaredVolume.h"

#include "Amount.h"

namespace core {

double declaredDifference(double declared, double measured)
{
    return roundAmount4(measured - declared);
}

std::optional<double> declaredDifferencePercent(double declared, double measured)
{
    if (declared <= 0)
        return std::nullopt;
    return declaredDifference(declared, measured) / declared * 100.0;
}

QString formatVolume3(double volume, bool sign)
{
    const qint64 units = toTenThousandths(roundAmount4(volume));
    const double magnitude = fromTenThousandths(units < 0 ? -units : units);
    const QString text = formatAmount(magnitude, QStringLiteral("#,##0.000"));
    if (text == formatAmount(0, QStringLiteral("#,##0.000")))
        return text;
    if (units < 0)
        return QLatin1Char('-') + text;
    return sign && units > 0 ? QLatin1Char('+') + text : text;
}

QString formatSignedPercent(std::optional<double> percent)
{
    if (!percent)
        return QString();
    const QString text = formatAmount(*percent < 0 ? -*percent : *percent, QStringLiteral("#0.00"));
    if (text == QLatin1String("0,00"))
        return text;
    return (*percent < 0 ? QLatin1Char('-') : QLatin1Char('+')) + text;
}

} // namespace core
