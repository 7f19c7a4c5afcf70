#pragma once

#include <QString>

// Number texts as the office sees them: pt_BR, decimal comma, thousands dot.
namespace core {

// Formats `value` with a display-format pattern of the old field formats:
//  - up to three sections "positive;negative;zero"; an empty or missing
//    section falls back to the first, with "-" put before the number for
//    a negative value; a value that rounds to zero shows as zero, unsigned;
//  - "0" a digit always shown, "#" a digit shown when significant;
//  - the first "." is the decimal comma; placeholders after it give the
//    maximum decimals, the last "0" after it the minimum;
//  - a "," anywhere before the decimal point groups thousands with ".";
//  - text in single or double quotes and any other character is copied
//    as is ("%" included: rates are stored as percentages, 17 shows as
//    "17,00%" with "0.00%"). Literals found among the placeholders are
//    written after the number.
// The value is read as its 15-significant-digit decimal and rounded half
// away from zero, so 1,005 with "0.00" shows "1,01".
// An empty pattern gives the general number format.
// Examples: formatFloat("#0.0000", 0.3) == "0,3000";
//           formatFloat("#,####0.00", 1234.5) == "1.234,50";
//           formatFloat("000000", 42) == "000042".
QString formatFloat(const QString &pattern, double value);

// The general number format: at most 15 significant digits, decimal comma,
// no thousands separator, no trailing zeros, integers without decimals.
// Values below 0,00001 or with more than 15 integer digits are written in
// scientific form ("1E-6", "1,5E20"). NaN and infinities give "NAN",
// "INF" and "-INF".
// Examples: 97.2 -> "97,2"; 1.0 / 3 / 10 -> "0,0333333333333333".
QString generalNumber(double value);

// The value shown in an edit, read the forgiving way the computations do:
// its digits and its first decimal comma, negative when the text (leading
// blanks skipped) begins with "-". Thousands dots and any other character
// are ignored; empty or digitless text gives 0. An exponent written by
// generalNumber ("1E-6") is honoured so such a value reads back as itself.
// Examples: "1.234,50" -> 1234.5; "-0,09" -> -0.09; "" -> 0.
double editValue(const QString &text);

// Strict reading of a typed number: optional sign, digits with optional
// thousands dots, optional decimal comma and digits, optional exponent.
// Surrounding blanks are allowed. Returns false (and leaves *out alone)
// when the text is not a number, e.g. "" or "2,5x".
bool parseNumber(const QString &text, double *out);

} // namespace core
