#include "core/Amount.h"

#include "core/Decimal.h"
#include "core/Formats.h"

#include <cmath>
#include <limits>

namespace core {

qint64 toTenThousandths(double value, AmountRounding rounding)
{
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    if (std::isnan(value))
        return 0;
    if (std::isinf(value))
        return value < 0 ? -kMax : kMax;

    Decimal d = Decimal::fromDouble(value);
    d.roundTo(4, rounding == AmountRounding::HalfEven ? Tie::ToEven : Tie::AwayFromZero);
    if (d.isZero())
        return 0;
    // 19 digits of ten-thousandths is past the range: clamp.
    const int places = d.point + 4;
    if (places > 19)
        return d.negative ? -kMax : kMax;

    unsigned long long units = 0;
    for (int i = 0; i < places; ++i) {
        const int digit = i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(i)] - '0' : 0;
        if (units > (static_cast<unsigned long long>(kMax) - static_cast<unsigned long long>(digit)) / 10)
            return d.negative ? -kMax : kMax;
        units = units * 10 + static_cast<unsigned long long>(digit);
    }
    const qint64 signedUnits = static_cast<qint64>(units);
    return d.negative ? -signedUnits : signedUnits;
}

double fromTenThousandths(qint64 units)
{
    // Both operands are exact below 2^53 and the division rounds once.
    return static_cast<double>(units) / 10000.0;
}

double roundAmount4(double value)
{
    return fromTenThousandths(toTenThousandths(value, AmountRounding::HalfAwayFromZero));
}

double roundAmount4Even(double value)
{
    return fromTenThousandths(toTenThousandths(value, AmountRounding::HalfEven));
}

QString formatAmount(double sum, const QString &pattern)
{
    return formatFloat(pattern, roundAmount4(sum));
}

} // namespace core
