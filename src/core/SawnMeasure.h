#pragma once

#include <QString>

// Area and volume of a sawn-wood line (sale invoice, sawn packing list).
// The windows read the inputs from the edits as shown and write the result
// back in the general number format; these functions only compute.
namespace core {

enum class SawnUnit {
    Area,   // "M/2": square metres, the thickness unused
    Volume, // "M/3": cubic metres
    Other   // "KG", "MM", "UM", "PC"...: nothing is computed
};

SawnUnit sawnUnit(const QString &unit);

// Pieces x length x width (x thickness for "M/3"), multiplied in that order
// in double precision, unrounded. Returns false for a unit that has no
// computed total; `*total` is then left alone.
bool sawnTotal(const QString &unit, double quantity, double length, double width, double thickness,
               double *total);

// Decimals "Total" shows for a unit: 2 for "M/2", 4 for "M/3", -1 for the
// others (the field keeps what it shows).
int sawnTotalDecimals(const QString &unit);

// Whether a line's volume is more than the balance, the balance taken to
// four decimals: 1,0000 fits a balance of 1,0000 and 1,0001 does not. An
// empty or zero volume fits any balance that is not negative.
bool exceedsBalance(double volume, double balance);

} // namespace core
