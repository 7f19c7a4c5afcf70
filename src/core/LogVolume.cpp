#include "core/LogVolume.h"

#include "core/Amount.h"

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
    return fromTenThousandths(toTenThousandths(gross, AmountRounding::HalfEven)
                              - toTenThousandths(discount, AmountRounding::HalfEven));
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
