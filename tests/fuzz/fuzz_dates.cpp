// Typed dates: "d/m/yyyy", two-digit years, the empty texts.

#include "FuzzTarget.h"

#include "core/Dates.h"

using namespace core;

std::vector<std::string> fuzzSeeds()
{
    return {
        fuzz::join({"09/12/2026"}), fuzz::join({"1/2/24"}),     fuzz::join({"31/02/2025"}),
        fuzz::join({"  /  /    "}), fuzz::join({"__/__/____"}), fuzz::join({"00/00/0000"}),
        fuzz::join({"29/02/2000"}), fuzz::join({"12/13/2024"}), fuzz::join({"1/2"}),
        fuzz::join({" 7/ 8/1999 "}), fuzz::join({"01/01/0001"}), fuzz::join({"31/12/9999"}),
        fuzz::join({"+1/-2/2024"}),
    };
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzz::Fields fields(data, size);
    const QString text = fields.text(0);
    bool ok = false;
    const QDate date = dateFromText(text, &ok);
    if (isEmptyDateText(text)) {
        FUZZ_CHECK(ok && date.isNull(), "an empty text gave a date");
        return 0;
    }
    // A date or a refusal, never a refusal with a date or a silent nothing.
    FUZZ_CHECK(ok == date.isValid(), "ok %d for %s", int(ok), fuzz::hex(text).c_str());
    if (!date.isValid())
        return 0;
    FUZZ_CHECK(date.year() >= 1 && date.year() <= 9999, "year %d", date.year());
    // The day and month typed are the date's.
    const QStringList parts = text.split(u'/');
    FUZZ_CHECK(parts.size() == 3 && parts[0].trimmed().toInt() == date.day() && parts[1].trimmed().toInt() == date.month(),
               "%s read as %s", fuzz::hex(text).c_str(), qPrintable(dateToText(date)));
    // Shown and typed again, the same date.
    bool again = false;
    FUZZ_CHECK(dateFromText(dateToText(date), &again) == date && again, "%s", qPrintable(dateToText(date)));
    return 0;
}
