#pragma once

#include <string>

namespace core {

enum class Tie { AwayFromZero, ToEven };

// A double read as the decimal a user meant: its digits rounded to a number
// of significant digits, so binary noise (1.005 stored as 1.00499999...)
// does not decide which way a later rounding goes.
// Value = 0.digits x 10^point; digits has no leading or trailing zeros and
// is empty for zero.
struct Decimal
{
    bool negative = false;
    std::string digits;
    int point = 0;

    bool isZero() const { return digits.empty(); }

    // |v| with at most `significant` digits (1..17). NaN and infinities
    // give zero: callers that care check them first.
    static Decimal fromDouble(double v, int significant = 15);

    // Rounds to `decimals` places after the point (may be negative).
    void roundTo(int decimals, Tie tie);

    // Digits before the point ("" when there are none) and after it.
    std::string integerDigits() const;
    std::string fractionDigits() const;
};

} // namespace core
