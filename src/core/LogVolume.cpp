#include "core/LogVolume.h"

#include "core/Amount.h"

#include <algorithm>
#include <limits>

namespace core {

double logProduct(double length, double diameterX, double diameterY)
{
    const long double product = static_cast<long double>(length) * diameterX * diameterY;
    return static_cast<double>(product);
}

double grossLogVolume(double length, double diameterX, double diameterY)
{
    return roundAmount4Even(logProduct(length, diameterX, diameterY));
}

double logDiscount(double gross, double indexPercent)
{
    // The product is stored as a double before the division, as written.
    const double product = gross * indexPercent;
    return roundAmount4Even(product / 100.0);
}

double netLogVolume(double gross, double discount)
{
    // A huge gross less a negative discount (a negative index typed) would
    // overflow the amount: clamp to its range, as every amount is.
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    qint64 net = 0;
    if (__builtin_sub_overflow(toTenThousandths(gross, AmountRounding::HalfEven),
                               toTenThousandths(discount, AmountRounding::HalfEven), &net))
        net = gross > discount ? kMax : -kMax;
    return fromTenThousandths(std::clamp(net, -kMax, kMax));
}

LogVolume logVolume(double length, double diameterX, double diameterY, double indexPercent)
{
    LogVolume v;
    v.gross = grossLogVolume(length, diameterX, diameterY);
    if (indexPercent != 0.0) {
        v.discount = logDiscount(v.gross, indexPercent);
        v.quantity = netLogVolume(v.gross, v.discount);
    } else {
        v.discount = 0;
        v.quantity = logProduct(length, diameterX, diameterY);
    }
    return v;
}

double packingListVolume(double length, double diameter, double index)
{
    const long double product = static_cast<long double>(length) * diameter * diameter * index;
    return static_cast<double>(product) / 10.0;
}

double lineValue(double quantity, double unitPrice)
{
    return quantity * unitPrice;
}

double percentOf(double base, double ratePercent)
{
    return base * ratePercent / 100.0;
}

} // namespace core
