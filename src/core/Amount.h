#pragma once

#include <QString>
#include <QtGlobal>

// Fixed-point amounts with four decimals, held as a count of
// ten-thousandths in 64 bits (the range of the old currency type,
// about +-922 337 203 685 477,5807; values beyond it are clamped).
//
// Sums are kept in double precision and only turned into an amount to be
// shown, so the functions take and give doubles. The tie is decided on the
// value's 15-significant-digit decimal, not on its binary expansion:
// 2,50005 is a tie even though the double just below or above it is stored.
namespace core {

enum class AmountRounding {
    HalfAwayFromZero, // "rounded to nearest": 0,00005 -> 0,0001
    HalfEven          // banker's, for the log volume: 0,00005 -> 0,0000
};

// The amount in ten-thousandths. NaN gives 0.
qint64 toTenThousandths(double value, AmountRounding rounding = AmountRounding::HalfAwayFromZero);

// The double nearest to the four-decimal amount.
double fromTenThousandths(qint64 units);

// Round to four decimals, half away from zero / ties to even.
double roundAmount4(double value);
double roundAmount4Even(double value);

// A running sum as the screens show it: rounded to four decimals (half away
// from zero), then formatted with a display pattern such as "#0.0000" or
// "#0.00". Note the two steps: 0,00495 becomes 0,0050 and shows "0,01".
QString formatAmount(double sum, const QString &pattern);

} // namespace core
