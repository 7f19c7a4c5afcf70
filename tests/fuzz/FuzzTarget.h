#pragma once

// What every fuzz target shares. A target defines LLVMFuzzerTestOneInput,
// as libFuzzer expects, and fuzzSeeds(): texts the plain driver
// (FuzzDriver.cpp) starts its mutations from.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

std::vector<std::string> fuzzSeeds();

// A wrong result is as much a failure as a crash: report and abort, so that
// both the driver and libFuzzer keep the input.
#define FUZZ_CHECK(cond, ...)                                                          \
    do {                                                                               \
        if (!(cond)) {                                                                 \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #cond); \
            std::fprintf(stderr, __VA_ARGS__);                                         \
            std::fputc('\n', stderr);                                                  \
            std::abort();                                                              \
        }                                                                              \
    } while (0)

namespace fuzz {

// The input cut into fields at the byte 0x1E; the first byte chooses how
// each field becomes text: UTF-8 (what a file or a pipe gives) or raw UTF-16
// units (anything a text box can hold, lone surrogates and NULs included).
class Fields
{
public:
    Fields(const uint8_t *data, size_t size)
    {
        if (size == 0)
            return;
        m_utf16 = data[0] & 1;
        std::string current;
        for (size_t i = 1; i < size; ++i) {
            if (data[i] == 0x1E) {
                m_parts.push_back(current);
                current.clear();
            } else {
                current.push_back(char(data[i]));
            }
        }
        m_parts.push_back(current);
    }

    int count() const { return int(m_parts.size()); }
    const std::string &bytes(int i) const
    {
        static const std::string none;
        return i < count() ? m_parts[size_t(i)] : none;
    }
    QString text(int i) const
    {
        const std::string &b = bytes(i);
        if (!m_utf16)
            return QString::fromUtf8(b.data(), qsizetype(b.size()));
        QString s;
        for (size_t k = 0; k + 1 < b.size(); k += 2)
            s += QChar(char16_t(uint8_t(b[k]) | (uint8_t(b[k + 1]) << 8)));
        return s;
    }

private:
    bool m_utf16 = false;
    std::vector<std::string> m_parts;
};

// Helpers for seeds written as separate fields.
inline std::string join(std::initializer_list<std::string> parts, char mode = 0)
{
    std::string out(1, mode);
    bool first = true;
    for (const std::string &p : parts) {
        if (!first)
            out.push_back(char(0x1E));
        out += p;
        first = false;
    }
    return out;
}

inline std::string hex(const QString &s)
{
    std::string out;
    char buf[8];
    for (QChar c : s) {
        std::snprintf(buf, sizeof buf, "%04x ", unsigned(c.unicode()));
        out += buf;
    }
    return out;
}

} // namespace fuzz
