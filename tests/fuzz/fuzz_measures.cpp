// Log and sawn-wood measures as the windows read them from typed text.

#include "FuzzTarget.h"

#include "core/Amount.h"
#include "core/Formats.h"
#include "core/LogVolume.h"
#include "core/SawnMeasure.h"

#include <cmath>

using namespace core;

std::vector<std::string> fuzzSeeds()
{
    return {
        fuzz::join({"2,50", "0,33", "0,50", "5", "M/3", "1,0000"}),
        fuzz::join({"4,00", "0,45", "0,45", "0", " m/2 ", "0"}),
        fuzz::join({"1.000,00", "1E300", "1E300", "100", "KG", "-1"}),
        fuzz::join({"-3", "0,00005", "0,00005", "7,854", "M/3", "0,3"}),
    };
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzz::Fields fields(data, size);
    const double length = editValue(fields.text(0));
    const double x = editValue(fields.text(1));
    const double y = editValue(fields.text(2));
    const double index = editValue(fields.text(3));
    const QString unit = fields.text(4);
    const double balance = editValue(fields.text(5));

    const LogVolume v = logVolume(length, x, y, index);
    const double product = logProduct(length, x, y);
    if (std::isfinite(product) && std::fabs(product) < 1e14) {
        // The gross volume is a four-decimal amount next to the product.
        FUZZ_CHECK(roundAmount4Even(v.gross) == v.gross, "gross %.17g", v.gross);
        FUZZ_CHECK(std::fabs(v.gross - product) <= 0.00005 + std::fabs(product) * 6e-15, "gross %.17g of %.17g",
                   v.gross, product);
        if (index == 0)
            FUZZ_CHECK(v.quantity == product, "quantity %.17g of %.17g", v.quantity, product);
    }
    packingListVolume(length, x, index);
    lineValue(v.quantity, index);
    percentOf(v.gross, index);
    generalNumber(v.quantity);

    double total = -1;
    const bool computed = sawnTotal(unit, length, x, y, index, &total);
    FUZZ_CHECK(computed == (sawnUnit(unit) != SawnUnit::Other), "unit %s", fuzz::hex(unit).c_str());
    FUZZ_CHECK(computed || total == -1, "a unit without a total wrote one");
    FUZZ_CHECK((sawnTotalDecimals(unit) >= 0) == computed, "decimals of %s", fuzz::hex(unit).c_str());
    // A larger volume never fits where a smaller one does not.
    if (std::isfinite(total) && exceedsBalance(total, balance))
        FUZZ_CHECK(exceedsBalance(total + std::fabs(total) + 1, balance), "%.17g over %.17g", total, balance);
    if (std::isfinite(balance) && std::fabs(balance) < 1e14 && balance >= 0)
        FUZZ_CHECK(!exceedsBalance(roundAmount4(balance), balance), "the balance itself exceeds %.17g", balance);
    return 0;
}
