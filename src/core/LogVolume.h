#pragma once

#include <QtGlobal>

// Volume rules of the log movements. The windows read their inputs from the
// edits as shown (lengths and diameters with 2 decimals) and write the
// results back in the general number format; these functions only compute.
namespace core {

// C x X x Y formed in extended precision and then stored as a double, the
// way the intake has always computed it (the last bit can differ from a
// plain double product).
double logProduct(double length, double diameterX, double diameterY);

// Gross volume of a log: the product above rounded to four decimals, ties
// to even. 2,50 x 0,33 x 0,50 gives 0,4125.
double grossLogVolume(double length, double diameterX, double diameterY);

// Discount of an index given in percent: (gross x index) / 100, the product
// held as a double before the division, rounded to four decimals with ties
// to even. 0,4125 at 5 % is 0,020625 before rounding and 0,0206 after.
double logDiscount(double gross, double indexPercent);

// Gross minus discount, as the difference of two four-decimal amounts.
double netLogVolume(double gross, double discount);

// What "Quantidade [M/3]" receives on leaving the index: with a zero index
// the product unrounded, otherwise gross minus discount.
struct LogVolume
{
    double gross = 0;    // "m3"
    double discount = 0; // "desconto"
    double quantity = 0; // QUANTIDADE
};
LogVolume logVolume(double length, double diameterX, double diameterY, double indexPercent);

// Packing-list volume: (C x D x D x K) / 10, the product formed in that
// order in extended precision and stored as a double, then divided.
// With the default index 7,854 this is C x D^2 x 0,7854.
constexpr double kPackingListIndex = 7.854;
double packingListVolume(double length, double diameter, double index = kPackingListIndex);

// Line value: quantity x unit price in double precision.
double lineValue(double quantity, double unitPrice);

// A rate applied to a base: base x rate / 100 in double precision.
double percentOf(double base, double ratePercent);

} // namespace core
