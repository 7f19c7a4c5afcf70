// Tax identifiers as typed (CPF, CNPJ, state registrations) and as read
// back from a number column (CGC).

#include "FuzzTarget.h"

#include "core/TaxIdText.h"
#include "taxid/TaxId.h"

#include <QVariant>

#include <cmath>
#include <cstring>

namespace {

bool isMaskChar(QChar c)
{
    return c == u' ' || c == u'-' || c == u'.' || c == u'/' || c == u'_';
}

// The check digits worked out on their own, from the published rules.
// -1: a foreign character; otherwise the digits (and, for a CNPJ, the
// upper-case letters) go to `out`.
int digitsOf(const QString &text, QString &out, bool letters)
{
    for (QChar c : text) {
        if ((c >= u'0' && c <= u'9') || (letters && c >= u'A' && c <= u'Z'))
            out += c;
        else if (!isMaskChar(c))
            return -1;
    }
    return int(out.size());
}

int mod11(const QString &d, int count, int firstWeight, bool cnpj)
{
    int sum = 0;
    for (int i = 0; i < count; ++i) {
        int w;
        if (cnpj)
            w = 2 + (count - 1 - i) % 8; // 2..9 from the right
        else
            w = firstWeight - i;
        sum += w * (d[i].unicode() - '0');
    }
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

bool referenceValid(const QString &text, bool cnpj)
{
    QString d;
    const int n = digitsOf(text, d, cnpj);
    if (n < 0)
        return false;
    if (n == 0)
        return true;
    if (n != (cnpj ? 14 : 11) || d.count(d[0]) == n)
        return false;
    const int body = n - 2;
    // Letters may stand in the first twelve places only.
    if (!d[body].isDigit() || !d[body + 1].isDigit())
        return false;
    const int dv1 = mod11(d, body, body + 1, cnpj);
    const int dv2 = mod11(d, body + 1, body + 2, cnpj);
    return d[body].unicode() - '0' == dv1 && d[body + 1].unicode() - '0' == dv2;
}

const char *const kStates[] = {"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
                               "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};

} // namespace

std::vector<std::string> fuzzSeeds()
{
    return {
        fuzz::join({"111.444.777-35", "SP", "11222333000181"}),
        fuzz::join({"11.222.333/0001-81", "MG", "062.307.904/0081"}),
        fuzz::join({"___.___.___-__", "sp", "P-01100424.3/002"}),
        fuzz::join({"111.111.111-11", "AC", "01.004.823/001-12"}),
        fuzz::join({"529.982.247-25", "PE", "18.1.001.0000004-9"}),
        fuzz::join({"00000000000191", "BA", "123456-63"}),
        fuzz::join({"12345678909", "TO", "29010227836"}),
        fuzz::join({"", "AP", "030123459"}),
        fuzz::join({"1e13", "GO", "10.987.654-7"}),
    };
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzz::Fields fields(data, size);
    const QString first = fields.text(0);
    const QString third = fields.text(2);
    for (const QString &text : {first, third}) {
        FUZZ_CHECK(taxid::isValidCpf(text) == referenceValid(text, false), "CPF %s", fuzz::hex(text).c_str());
        FUZZ_CHECK(taxid::isValidCnpj(text) == referenceValid(text, true), "CNPJ %s", fuzz::hex(text).c_str());
    }

    // State registrations: any state code, in any case; mask characters
    // never change a verdict, foreign ones always refuse.
    QString uf = fields.text(1);
    if (size > 0 && data[size - 1] % 3 == 0)
        uf = QString::fromLatin1(kStates[data[size - 1] % 27]);
    const bool valid = taxid::isValidIe(uf, third);
    FUZZ_CHECK(taxid::isValidIe(uf.toLower(), third) == valid && taxid::isValidIe(uf.toUpper(), third) == valid,
               "UF case changed the verdict for %s", fuzz::hex(third).c_str());
    if (third.size() > 1) {
        QString masked = third;
        masked.insert(1 + int(size % uint(third.size())), QLatin1String(size % 2 ? "./" : " -_"));
        FUZZ_CHECK(taxid::isValidIe(uf, masked) == valid, "mask characters changed %s", fuzz::hex(third).c_str());
    }
    bool foreign = false;
    bool anyDigit = false;
    for (qsizetype i = 0; i < third.size(); ++i) {
        const QChar c = third[i];
        const bool producer = i == 0 && (c == u'P' || c == u'p') && uf.compare(QLatin1String("SP"), Qt::CaseInsensitive) == 0;
        anyDigit = anyDigit || (c >= u'0' && c <= u'9') || producer;
        foreign = foreign || (!(c >= u'0' && c <= u'9') && !isMaskChar(c) && !producer);
    }
    if (foreign)
        FUZZ_CHECK(!valid, "a foreign character passed: %s", fuzz::hex(third).c_str());
    else if (!anyDigit)
        FUZZ_CHECK(valid, "an empty value failed");

    // The number column read back: a CNPJ or CPF kept as a number prints
    // its digits, zeros put back, and a valid one stays valid.
    QString digits;
    if (digitsOf(first, digits, false) > 0 && digits.size() <= 14) {
        const double number = digits.toDouble();
        const QString printed = core::taxIdText(number);
        if (number >= 1) {
            QString again;
            digitsOf(printed, again, false);
            const QString expected = digits.rightJustified(digits.toLongLong() > 99999999999LL ? 14 : 11, u'0')
                                         .right(digits.toLongLong() > 99999999999LL ? 14 : 11);
            FUZZ_CHECK(again == expected, "%s printed %s", qPrintable(digits), qPrintable(printed));
            FUZZ_CHECK(core::taxIdDigits(number) == QString::number(digits.toLongLong()), "%s", qPrintable(digits));
            if (digits.size() == 14 && digits.startsWith(u'0') == false && taxid::isValidCnpj(digits))
                FUZZ_CHECK(taxid::isValidCnpj(printed), "%s printed %s", qPrintable(digits), qPrintable(printed));
        } else {
            FUZZ_CHECK(printed.isEmpty(), "zero printed %s", qPrintable(printed));
        }
    }
    // Whatever a column holds.
    core::taxIdText(QVariant(first));
    core::taxIdDigits(QVariant(third));
    const std::string &raw = fields.bytes(3);
    if (raw.size() >= 8) {
        double v;
        std::memcpy(&v, raw.data(), 8);
        const QString printed = core::taxIdText(v);
        FUZZ_CHECK(printed.isEmpty() || printed.size() == 14 || printed.size() == 18, "%.17g printed %s", v,
                   qPrintable(printed));
    }
    return 0;
}
