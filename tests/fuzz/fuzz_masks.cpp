// Edit masks as the data fields declare them, and the texts shown in them.

#include "FuzzTarget.h"

#include "core/EditMask.h"

using namespace core;

std::vector<std::string> fuzzSeeds()
{
    return {
        fuzz::join({"99.999.999/9999-99;0;_", "12345678000195"}),
        fuzz::join({"999.999.999-99;0;_", "111.444.777-35"}),
        fuzz::join({"99999-999", "85010"}),
        fuzz::join({"00:00;0;_", "12:3_"}),
        fuzz::join({"!99/99/9999;1;_", "1/2/2024"}),
        fuzz::join({">LL;1;*", "sp"}),
        fuzz::join({"<>aAcC\\9_#;0; ", "x1-+"}),
        fuzz::join({"(99)9999-9999;0;_", "6533221100"}),
        fuzz::join({"<lll>LLL;", "abcDEF"}),
        fuzz::join({"\\", ";;;"}),
    };
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzz::Fields fields(data, size);
    const EditMask mask(fields.text(0));
    const QString value = fields.text(1);
    const int positions = int(mask.positions().size());

    const QString shown = mask.display(value);
    FUZZ_CHECK(shown.size() == positions, "%d characters shown for %d positions", int(shown.size()), positions);
    for (int i = 0; i < positions; ++i)
        if (mask.positions()[i].kind == EditMask::Kind::Literal)
            FUZZ_CHECK(shown[i] == mask.positions()[i].literal, "literal %d moved", i);
    // What is shown shows again as itself.
    FUZZ_CHECK(mask.display(shown) == shown, "%s then %s", fuzz::hex(shown).c_str(),
               fuzz::hex(mask.display(shown)).c_str());

    const QString typed = mask.stripLiterals(shown);
    FUZZ_CHECK(typed.size() <= mask.editablePositions(), "%d typed for %d positions", int(typed.size()),
               mask.editablePositions());
    const QString stored = mask.storedText(shown);
    if (!mask.storesLiterals())
        FUZZ_CHECK(stored == typed, "stored %s", fuzz::hex(stored).c_str());
    else
        FUZZ_CHECK(stored.isEmpty() || stored.size() == positions, "stored %s", fuzz::hex(stored).c_str());

    mask.isComplete(value);
    mask.stripLiterals(value);
    mask.storedText(value);
    mask.inputMask();
    mask.display(fields.text(2));
    return 0;
}
