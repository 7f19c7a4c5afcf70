// The stored database record: 142 bytes read back from the settings, and
// the texts the configuration writes into it.

#include "FuzzTarget.h"

#include "core/BancoRecord.h"

using namespace core;

namespace {

bool isLatin1(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() > 0xff)
            return false;
    return true;
}

} // namespace

std::vector<std::string> fuzzSeeds()
{
    BancoRecord r{QStringLiteral("srv:"), QStringLiteral("/var/lib/firebird/3.0/data/DIZADAVAZI.GDB")};
    const QByteArray bytes = r.encode();
    return {
        std::string(1, '\0') + bytes.toStdString(),
        fuzz::join({"localhost/3050:", "/db/x.gdb"}),
        fuzz::join({"", "C:\\Quelvora\\BancoDados\\DIZADAVAZI.GDB"}),
        std::string("\0\xff\xff", 3),
    };
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The bytes as a stored record, whatever they hold.
    const QByteArray stored(reinterpret_cast<const char *>(data), qsizetype(size));
    const BancoRecord read = BancoRecord::decode(stored);
    FUZZ_CHECK(read.server.size() <= BancoRecord::kServerMax && read.path.size() <= BancoRecord::kPathMax,
               "%d and %d characters", int(read.server.size()), int(read.path.size()));
    const QByteArray again = read.encode();
    FUZZ_CHECK(again.size() == BancoRecord::kSize, "%d bytes", int(again.size()));
    FUZZ_CHECK(BancoRecord::decode(again) == read, "the record changed when written back");

    // Texts typed into the configuration.
    const fuzz::Fields fields(data, size);
    const BancoRecord typed{fields.text(0), fields.text(1)};
    const QByteArray record = typed.encode();
    FUZZ_CHECK(record.size() == BancoRecord::kSize, "%d bytes", int(record.size()));
    const BancoRecord back = BancoRecord::decode(record);
    FUZZ_CHECK(back.server.size() == std::min<qsizetype>(typed.server.size(), BancoRecord::kServerMax),
               "server of %d characters kept as %d", int(typed.server.size()), int(back.server.size()));
    if (isLatin1(typed.server) && isLatin1(typed.path))
        FUZZ_CHECK(back.server == typed.server.left(BancoRecord::kServerMax)
                       && back.path == typed.path.left(BancoRecord::kPathMax),
                   "%s", fuzz::hex(back.path).c_str());
    return 0;
}
