#include "SawnMeasure.h"

#include "Amount.h"

namespace core {

SawnUnit sawnUnit(const QString &unit)
{
    const QString u = unit.trimmed().toUpper();
    if (u == QLatin1String("M/2"))
        return SawnUnit::Area;
    if (u == QLatin1String("M/3"))
        return SawnUnit::Volume;
    return SawnUnit::Other;
}

bool sawnTotal(const QString &unit, double quantity, double length, double width, double thickness,
               double *total)
{
    switch (sawnUnit(unit)) {
    case SawnUnit::Area:
        *total = quantity * length * width;
        return true;
    case SawnUnit::Volume:
        *total = quantity * length * width * thickness;
        return true;
    case SawnUnit::Other:
        break;
    }
    return false;
}

int sawnTotalDecimals(const QString &unit)
{
    switch (sawnUnit(unit)) {
    case SawnUnit::Area:
        return 2;
    case SawnUnit::Volume:
        return 4;
    case SawnUnit::Other:
        break;
    }
    return -1;
}

bool exceedsBalance(double volume, double balance)
{
    // The volume as it stands against the four-decimal balance; the margin
    // only absorbs the last bit of a product (0,3 computed as
    // 0,30000000000000004 still fits a balance of 0,3).
    return volume > roundAmount4(balance) + 1e-9;
}

} // namespace core
