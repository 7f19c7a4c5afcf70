#include "taxid/TaxId.h"

#include <cstring>
#include <initializer_list>

namespace taxid {
namespace {

// No identifier is longer than 14 characters; one more tells "too long"
// without keeping the rest.
constexpr int Capacity = 15;

// The value reduced to its significant characters, padded in place.
struct Value
{
    char c[Capacity];
    int size = 0;     // characters kept
    bool tooLong = false;

    int digit(int pos) const { return c[pos - 1] - '0'; } // pos counts from 1
    bool startsWith(const char *prefix) const
    {
        const int n = int(std::strlen(prefix));
        return size >= n && std::memcmp(c, prefix, size_t(n)) == 0;
    }
    // "0" in front while shorter than n; a longer value is left as it is.
    void padTo(int n)
    {
        if (size >= n)
            return;
        const int shift = n - size;
        std::memmove(c + shift, c, size_t(size));
        std::memset(c, '0', size_t(shift));
        size = n;
    }
    // The number formed by the digits at positions from..to.
    long number(int from, int to) const
    {
        long n = 0;
        for (int pos = from; pos <= to; ++pos)
            n = n * 10 + digit(pos);
        return n;
    }
};

enum class Reduction { Forbidden, Empty, Kept };

// Steps shared by the three checks: refuse foreign characters, keep the
// digits (and, for a rural producer in SP, a leading "P"; for a CNPJ, the
// upper-case letters that may stand in its root and branch).
Reduction reduce(QStringView text, bool leadingP, Value &v, bool upperLetters = false)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        char kept;
        if (ch >= u'0' && ch <= u'9')
            kept = char(ch);
        else if (ch == u' ' || ch == u'-' || ch == u'.' || ch == u'/' || ch == u'_')
            continue;
        else if (leadingP && i == 0 && (ch == u'P' || ch == u'p'))
            kept = char(ch);
        else if (upperLetters && ch >= u'A' && ch <= u'Z')
            kept = char(ch);
        else
            return Reduction::Forbidden;
        if (v.size < Capacity)
            v.c[v.size++] = kept;
        else
            v.tooLong = true;
    }
    return v.size == 0 ? Reduction::Empty : Reduction::Kept;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allEqual(const Value &v)
{
    for (int i = 1; i < v.size; ++i)
        if (v.c[i] != v.c[0])
            return false;
    return true;
}

int weighted(const Value &v, int from, std::initializer_list<int> weights)
{
    int sum = 0;
    int pos = from;
    for (int w : weights)
        sum += w * v.digit(pos++);
    return sum;
}

enum class Rule { None, M11, M11_10, M11_1, M11_R, M10, M9 };

int checkDigit(Rule rule, int sum)
{
    switch (rule) {
    case Rule::M11: {
        const int r = sum % 11;
        return r < 2 ? 0 : 11 - r;
    }
    case Rule::M11_10: {
        const int r = (10 * sum) % 11;
        return r == 10 ? 0 : r;
    }
    case Rule::M11_1: {
        const int r = sum % 11;
        return r == 0 ? 1 : r == 1 ? 0 : 11 - r;
    }
    case Rule::M11_R: {
        const int r = sum % 11;
        return r > 9 ? r - 10 : r;
    }
    case Rule::M10: {
        const int r = sum % 10;
        return r == 0 ? 0 : 10 - r;
    }
    case Rule::M9:
        return sum % 9;
    case Rule::None:
        break;
    }
    return -1;
}

// State registrations that one table row describes.

// One check digit: at `position`, `rule` over `weights` from digit `from`.
struct DigitCheck
{
    int position;
    Rule rule;
    int from;
    int weights[13]; // unused tail left zero
};

struct PlainState
{
    char uf[3];
    int length;
    bool pad;
    const char *start;
    DigitCheck checks[2];
};

const PlainState plainStates[] = {
    { "AL", 9, false, "24", { { 9, Rule::M11_10, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "AM", 9, true, "", { { 9, Rule::M11, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "CE", 9, true, "", { { 9, Rule::M11, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "DF", 13, true, "073", { { 12, Rule::M11, 1, { 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2 } },
                               { 13, Rule::M11, 1, { 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "ES", 9, true, "", { { 9, Rule::M11, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "MA", 9, true, "12", { { 9, Rule::M11, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "MS", 9, true, "28", { { 9, Rule::M11, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "MT", 11, true, "", { { 11, Rule::M11, 1, { 3, 2, 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "PA", 9, true, "15", { { 9, Rule::M11, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "PB", 9, true, "", { { 9, Rule::M11, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "PE", 14, true, "", { { 14, Rule::M11_1, 1, { 5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "PI", 9, true, "", { { 9, Rule::M11, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "PR", 10, true, "", { { 9, Rule::M11, 1, { 3, 2, 7, 6, 5, 4, 3, 2 } },
                            { 10, Rule::M11, 1, { 4, 3, 2, 7, 6, 5, 4, 3, 2 } } } },
    { "RJ", 8, true, "", { { 8, Rule::M11, 1, { 2, 7, 6, 5, 4, 3, 2 } } } },
    { "RN", 9, true, "20", { { 9, Rule::M11_10, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "RO", 9, true, "", { { 9, Rule::M11_1, 4, { 6, 5, 4, 3, 2 } } } },
    { "RR", 9, true, "24", { { 9, Rule::M9, 1, { 1, 2, 3, 4, 5, 6, 7, 8 } } } },
    { "RS", 10, true, "", { { 10, Rule::M11, 1, { 2, 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "SC", 9, true, "", { { 9, Rule::M11, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
    { "SE", 9, true, "", { { 9, Rule::M11, 1, { 9, 8, 7, 6, 5, 4, 3, 2 } } } },
};

bool passes(const Value &v, const DigitCheck &check)
{
    int sum = 0;
    for (int i = 0; i < 13 && check.weights[i] != 0; ++i)
        sum += check.weights[i] * v.digit(check.from + i);
    return v.digit(check.position) == checkDigit(check.rule, sum);
}

bool plainState(const PlainState &state, Value &v)
{
    if (state.pad)
        v.padTo(state.length);
    if (v.size != state.length || !v.startsWith(state.start))
        return false;
    for (const DigitCheck &check : state.checks)
        if (check.rule != Rule::None && !passes(v, check))
            return false;
    return true;
}

// State registrations with rules of their own.

bool stateAC(Value &v)
{
    if (v.size < 9)
        v.padTo(9);
    else if (v.size > 9)
        v.padTo(13);
    if (v.size == 9) {
        // The old nine-digit form.
        if (!v.startsWith("01") || (v.c[2] == '0' && v.c[3] == '0'))
            return false;
        return v.digit(9) == checkDigit(Rule::M11, weighted(v, 1, { 9, 8, 7, 6, 5, 4, 3, 2 }));
    }
    if (v.size != 13 || !v.startsWith("01"))
        return false;
    return v.digit(12) == checkDigit(Rule::M11, weighted(v, 1, { 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2 }))
        && v.digit(13) == checkDigit(Rule::M11, weighted(v, 1, { 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2 }));
}

bool stateAP(Value &v)
{
    v.padTo(9);
    if (v.size != 9 || !v.startsWith("03"))
        return false;
    const long n = v.number(1, 8);
    int p = 0;
    int d = 0;
    if (n >= 3000001 && n <= 3017000) {
        p = 5;
    } else if (n > 3017000 && n <= 3019022) {
        p = 9;
        d = 1;
    }
    const int r = (p + weighted(v, 1, { 9, 8, 7, 6, 5, 4, 3, 2 })) % 11;
    const int expected = r == 0 ? d : r == 1 ? 0 : 11 - r;
    return v.digit(9) == expected;
}

bool stateBA(Value &v)
{
    v.padTo(8);
    if (v.size != 8)
        return false;
    const int first = v.digit(1);
    const Rule rule = (first <= 5 || first == 8) ? Rule::M10 : Rule::M11;
    // The last digit is worked out first and enters the other one.
    const int a = checkDigit(rule, weighted(v, 1, { 7, 6, 5, 4, 3, 2 }));
    const int b = checkDigit(rule, weighted(v, 1, { 8, 7, 6, 5, 4, 3 }) + 2 * a);
    return v.digit(7) == b && v.digit(8) == a;
}

bool stateGO(Value &v)
{
    v.padTo(9);
    if (v.size != 9)
        return false;
    const long prefix = v.number(1, 2);
    if (prefix != 10 && prefix != 11 && prefix != 15)
        return false;
    const int r = weighted(v, 1, { 9, 8, 7, 6, 5, 4, 3, 2 }) % 11;
    int expected;
    if (r == 0) {
        expected = 0;
    } else if (r == 1) {
        const long n = v.number(1, 8);
        expected = (n >= 10103105 && n <= 10119997) ? 1 : 0;
    } else {
        expected = 11 - r;
    }
    return v.digit(9) == expected;
}

bool stateMG(Value &v)
{
    v.padTo(13);
    if (v.size != 13)
        return false;
    // The first check digit runs over the municipality code with a "0"
    // slipped in after it.
    char t[14];
    std::memcpy(t, v.c, 3);
    t[3] = '0';
    std::memcpy(t + 4, v.c + 3, 10);
    int total = 0;
    for (int pos = 1; pos <= 12; ++pos) {
        const int product = (t[pos - 1] - '0') * (pos % 2 == 1 ? 1 : 2);
        total += product / 10 + product % 10;
    }
    const int a = checkDigit(Rule::M10, total);
    const int b = checkDigit(Rule::M11, weighted(v, 1, { 3, 2, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2 }));
    return v.digit(12) == a && v.digit(13) == b;
}

bool stateSP(Value &v)
{
    if (v.size == 13) {
        // Rural producer: "P", eight digits, a check digit, three free digits.
        if (v.c[0] != 'P' && v.c[0] != 'p')
            return false;
        return v.digit(10) == checkDigit(Rule::M11_R, weighted(v, 2, { 1, 3, 4, 5, 6, 7, 8, 10 }));
    }
    // A producer's "P" on anything but thirteen characters is refused.
    if (v.size > 0 && (v.c[0] == 'P' || v.c[0] == 'p'))
        return false;
    v.padTo(12);
    if (v.size != 12)
        return false;
    return v.digit(9) == checkDigit(Rule::M11_R, weighted(v, 1, { 1, 3, 4, 5, 6, 7, 8, 10 }))
        && v.digit(12) == checkDigit(Rule::M11_R, weighted(v, 1, { 3, 2, 10, 9, 8, 7, 6, 5, 4, 3, 2 }));
}

bool stateTO(Value &v)
{
    v.padTo(11);
    if (v.size != 11)
        return false;
    const long type = v.number(3, 4);
    if (type != 1 && type != 2 && type != 3 && type != 99)
        return false;
    // The type digits take no part in the check.
    Value base;
    base.c[0] = v.c[0];
    base.c[1] = v.c[1];
    std::memcpy(base.c + 2, v.c + 4, 6);
    base.size = 8;
    return v.digit(11) == checkDigit(Rule::M11, weighted(base, 1, { 9, 8, 7, 6, 5, 4, 3, 2 }));
}

struct SpecialState
{
    char uf[3];
    bool (*check)(Value &v);
};

const SpecialState specialStates[] = {
    { "AC", stateAC }, { "AP", stateAP }, { "BA", stateBA }, { "GO", stateGO },
    { "MG", stateMG }, { "SP", stateSP }, { "TO", stateTO },
};

bool sameCode(const char *code, char16_t a, char16_t b)
{
    return code[0] == a && code[1] == b;
}

} // namespace

bool isValidCpf(QStringView text)
{
    Value v;
    // Foreign characters fail; nothing typed passes.
    if (const Reduction r = reduce(text, false, v); r != Reduction::Kept)
        return r == Reduction::Empty;
    if (v.size != 11 || v.tooLong || allEqual(v))
        return false;
    const int dv1 = weighted(v, 1, { 1, 2, 3, 4, 5, 6, 7, 8, 9 }) % 11 % 10;
    const int dv2 = (weighted(v, 2, { 1, 2, 3, 4, 5, 6, 7, 8 }) + 9 * dv1) % 11 % 10;
    return v.digit(10) == dv1 && v.digit(11) == dv2;
}

bool isValidCnpj(QStringView text)
{
    Value v;
    if (const Reduction r = reduce(text, false, v, true); r != Reduction::Kept)
        return r == Reduction::Empty;
    if (v.size != 14 || v.tooLong || allEqual(v))
        return false;
    // Letters count as their code minus '0' (A is 17) in the first twelve
    // places; the two check digits stay digits.
    if (!isDigit(v.c[12]) || !isDigit(v.c[13]))
        return false;
    const int dv1 = weighted(v, 1, { 6, 7, 8, 9, 2, 3, 4, 5, 6, 7, 8, 9 }) % 11 % 10;
    const int dv2 = weighted(v, 1, { 5, 6, 7, 8, 9, 2, 3, 4, 5, 6, 7, 8, 9 }) % 11 % 10;
    return v.digit(13) == dv1 && v.digit(14) == dv2;
}

bool isValidIe(QStringView uf, QStringView text)
{
    char16_t a = 0;
    char16_t b = 0;
    if (uf.size() == 2) {
        a = uf[0].toUpper().unicode();
        b = uf[1].toUpper().unicode();
    }
    const bool sp = a == u'S' && b == u'P';

    Value v;
    if (const Reduction r = reduce(text, sp, v); r != Reduction::Kept)
        return r == Reduction::Empty;
    if (allEqual(v) || v.tooLong)
        return false;

    for (const PlainState &state : plainStates)
        if (sameCode(state.uf, a, b))
            return plainState(state, v);
    for (const SpecialState &state : specialStates)
        if (sameCode(state.uf, a, b))
            return state.check(v);
    return false;
}

} // namespace taxid
