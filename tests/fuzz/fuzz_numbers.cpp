// Typed numbers and display patterns: the strict and the forgiving reading,
// the general format and the pattern formats, and the decimal rounding
// under all of them.

#include "FuzzTarget.h"

#include "core/Amount.h"
#include "core/Decimal.h"
#include "core/Formats.h"

#include <cmath>
#include <cstring>

using namespace core;

namespace {

bool hasExponent(const QString &t)
{
    return t.contains(u'e') || t.contains(u'E');
}

// Decimal's contract: digits only, no leading or trailing zeros.
void checkDecimal(const Decimal &d, const char *where)
{
    FUZZ_CHECK(d.digits.empty() || (d.digits.front() != '0' && d.digits.back() != '0'), "%s: %s", where,
               d.digits.c_str());
    for (char c : d.digits)
        FUZZ_CHECK(c >= '0' && c <= '9', "%s: %s", where, d.digits.c_str());
}

void checkDouble(double v, int significant, int decimals)
{
    const Decimal d = Decimal::fromDouble(v, significant);
    checkDecimal(d, "fromDouble");
    if (std::isfinite(v) && v != 0) {
        FUZZ_CHECK(d.digits.size() <= size_t(std::clamp(significant, 1, 17)), "%zu digits", d.digits.size());
        // 17 digits name the double exactly.
        const Decimal exact = Decimal::fromDouble(v, 17);
        const std::string text = "0." + exact.digits + "e" + std::to_string(exact.point);
        FUZZ_CHECK(std::strtod(text.c_str(), nullptr) == std::fabs(v), "%.17g read back as %s", v, text.c_str());
    }
    Decimal r = d;
    r.roundTo(decimals, decimals % 2 ? Tie::ToEven : Tie::AwayFromZero);
    checkDecimal(r, "roundTo");
    if (!r.isZero())
        FUZZ_CHECK(long(r.digits.size()) <= long(r.point) + decimals, "%zu digits, point %d, %d decimals",
                   r.digits.size(), r.point, decimals);
    // The integer and fraction digits put together are the digits again.
    std::string whole = r.integerDigits() + r.fractionDigits();
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    while (!whole.empty() && whole.back() == '0')
        whole.pop_back();
    FUZZ_CHECK(whole == r.digits, "%s vs %s", whole.c_str(), r.digits.c_str());

    // Four-decimal amounts: within half a unit of the value, or clamped.
    if (std::isfinite(v) && std::fabs(v) < 9e14) {
        for (AmountRounding rounding : {AmountRounding::HalfAwayFromZero, AmountRounding::HalfEven}) {
            const double a = fromTenThousandths(toTenThousandths(v, rounding));
            // Ties are decided on 15 significant digits: half a unit of the
            // 15th digit is the most that adds.
            FUZZ_CHECK(std::fabs(a - v) <= 0.00005 + std::fabs(v) * 6e-15, "%.17g rounded to %.17g", v, a);
        }
    }
}

void checkNumberText(const QString &text)
{
    const double forgiving = editValue(text);
    Q_UNUSED(forgiving)
    double v = 12345.0;
    if (!parseNumber(text, &v)) {
        FUZZ_CHECK(v == 12345.0, "a refused text changed the value");
        return;
    }
    FUZZ_CHECK(!std::isnan(v), "NaN from %s", fuzz::hex(text).c_str());
    // What the strict reading accepts, the computations read alike.
    if (!hasExponent(text))
        FUZZ_CHECK(editValue(text) == v, "%.17g vs %.17g for %s", editValue(text), v, fuzz::hex(text).c_str());
    if (!std::isfinite(v))
        return;

    // The general format reads back as itself, strictly and forgivingly.
    const QString general = generalNumber(v);
    double back = 0;
    FUZZ_CHECK(parseNumber(general, &back), "%s not read back", qPrintable(general));
    FUZZ_CHECK(generalNumber(back) == general, "%s became %s", qPrintable(general), qPrintable(generalNumber(back)));
    FUZZ_CHECK(editValue(general) == back, "%s edit value %.17g vs %.17g", qPrintable(general), editValue(general),
               back);

    // A grouped four-decimal display reads back within half its last place.
    if (std::fabs(v) < 1e14) {
        const QString shown = formatFloat(QStringLiteral("#,##0.0000"), v);
        double read = 0;
        FUZZ_CHECK(parseNumber(shown, &read), "%s not read back", qPrintable(shown));
        FUZZ_CHECK(std::fabs(read - v) <= 0.00005 + std::fabs(v) * 6e-15, "%.17g shown %s", v, qPrintable(shown));
        FUZZ_CHECK(formatAmount(v, QStringLiteral("#0.00")).contains(u','), "%s", qPrintable(shown));
    }
}

} // namespace

std::vector<std::string> fuzzSeeds()
{
    return {
        fuzz::join({"1.234,50", "#,##0.00"}),
        fuzz::join({"-0,09", "#0.0000"}),
        fuzz::join({"1,5E20", "0.00;(0.00);\"zero\""}),
        fuzz::join({"1E-6", "000000"}),
        fuzz::join({"  +97,2  ", "#0.00%"}),
        fuzz::join({"0,00005", "#,####0.00"}),
        fuzz::join({"922337203685477,5807", "'R$ '#,##0.00"}),
        fuzz::join({"2,5x", ""}),
        fuzz::join({"1.23.456", "0.0;-0.0;"}),
        fuzz::join({"9999999999999999999999", "#.##########"}),
        fuzz::join({"1e308", "0"}),
        fuzz::join({"-1,e-0300", "#"}),
    };
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzz::Fields fields(data, size);
    const QString text = fields.text(0);
    const QString pattern = fields.text(1);
    checkNumberText(text);

    // Any pattern with the value typed, and the raw bytes taken as a double.
    double v = editValue(text);
    formatFloat(pattern, v);
    formatAmount(v, pattern);
    generalNumber(v);
    checkDouble(v, 15, 4);
    const std::string &raw = fields.bytes(2);
    if (raw.size() >= 8) {
        std::memcpy(&v, raw.data(), 8);
        const int significant = raw.size() > 8 ? int(int8_t(raw[8])) : 15;
        const int decimals = raw.size() > 9 ? int(int8_t(raw[9])) * (raw.size() > 10 ? 1000000 : 1) : 4;
        checkDouble(v, significant, decimals);
        formatFloat(pattern, v);
        generalNumber(v);
        double back = 0;
        if (std::isfinite(v))
            FUZZ_CHECK(parseNumber(generalNumber(v), &back) && generalNumber(back) == generalNumber(v),
                       "%.17g general %s", v, qPrintable(generalNumber(v)));
    }
    return 0;
}
