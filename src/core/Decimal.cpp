#include "core/Decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace core {

Decimal Decimal::fromDouble(double v, int significant)
{
    Decimal d;
    if (!std::isfinite(v) || v == 0.0)
        return d;
    if (significant < 1)
        significant = 1;
    if (significant > 17)
        significant = 17;

    d.negative = std::signbit(v);
    // glibc's printf rounds the exact binary value correctly.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(v));
    std::string mantissa;
    const char *p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            mantissa.push_back(*p);
    }
    const int exponent = (*p == 'e') ? std::atoi(p + 1) : 0;

    while (!mantissa.empty() && mantissa.back() == '0')
        mantissa.pop_back();
    d.digits = mantissa;
    d.point = exponent + 1;
    if (d.digits.empty()) {
        d.negative = false;
        d.point = 0;
    }
    return d;
}

void Decimal::roundTo(int decimals, Tie tie)
{
    if (digits.empty())
        return;
    const long keep = static_cast<long>(point) + decimals;
    if (keep >= static_cast<long>(digits.size()))
        return;
    if (keep < 0) {
        // Every kept place is zero and the first dropped one too: below half.
        *this = Decimal();
        return;
    }

    const std::string dropped = digits.substr(static_cast<size_t>(keep));
    digits.resize(static_cast<size_t>(keep));
    const char first = dropped[0];
    const bool moreAfter = dropped.size() > 1; // trailing zeros are never kept
    bool up = false;
    if (first > '5' || (first == '5' && moreAfter)) {
        up = true;
    } else if (first == '5') {
        if (tie == Tie::AwayFromZero) {
            up = true;
        } else {
            const int last = digits.empty() ? 0 : digits.back() - '0';
            up = (last % 2) != 0;
        }
    }

    if (up) {
        long i = static_cast<long>(digits.size()) - 1;
        while (i >= 0 && digits[static_cast<size_t>(i)] == '9') {
            digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[static_cast<size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++point;
        }
    }

    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        *this = Decimal();
}

std::string Decimal::integerDigits() const
{
    if (point <= 0)
        return std::string();
    std::string s = digits.substr(0, std::min(digits.size(), static_cast<size_t>(point)));
    s.append(static_cast<size_t>(point) - s.size(), '0');
    return s;
}

std::string Decimal::fractionDigits() const
{
    if (static_cast<long>(digits.size()) <= point)
        return std::string();
    if (point >= 0)
        return digits.substr(static_cast<size_t>(point));
    return std::string(static_cast<size_t>(-point), '0') + digits;
}

} // namespace core
