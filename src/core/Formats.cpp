#include "core/Formats.h"

#include "core/Decimal.h"

#include <QStringList>

#include <cmath>

namespace core {

namespace {

const QChar kDecimalComma(u',');
const QChar kThousandsDot(u'.');

// Splits the pattern into its sections, leaving quoted text alone.
QStringList splitSections(const QString &pattern)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (const QChar c : pattern) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

struct Section
{
    QString prefix;       // literals before the first placeholder
    QString suffix;       // literals after it
    bool hasDigits = false;
    bool thousands = false;
    int minInteger = 0;   // placeholders from the first "0" up to the point
    int minDecimals = 0;
    int maxDecimals = 0;
};

Section parseSection(const QString &text)
{
    Section s;
    bool afterPoint = false;
    bool zeroSeen = false;
    int integerPlaces = 0;
    int zeroFrom = -1;
    int decimalPlaces = 0;
    QChar quote;
    for (const QChar c : text) {
        QString &literals = s.hasDigits ? s.suffix : s.prefix;
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                literals += c;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'0' || c == u'#') {
            s.hasDigits = true;
            if (afterPoint) {
                ++decimalPlaces;
                if (c == u'0')
                    s.minDecimals = decimalPlaces;
            } else {
                if (c == u'0' && !zeroSeen) {
                    zeroSeen = true;
                    zeroFrom = integerPlaces;
                }
                ++integerPlaces;
            }
        } else if (c == u'.' && !afterPoint) {
            afterPoint = true;
        } else if (c == u',' && !afterPoint) {
            s.thousands = true;
        } else {
            literals += c;
        }
    }
    s.maxDecimals = decimalPlaces;
    s.minInteger = zeroSeen ? integerPlaces - zeroFrom : 0;
    return s;
}

QString groupThousands(const QString &digits)
{
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += kThousandsDot;
        out += digits.at(i);
    }
    return out;
}

QString render(const Section &s, const Decimal &rounded, bool withMinus)
{
    if (!s.hasDigits)
        return s.prefix + s.suffix;

    QString integer = QString::fromStdString(rounded.integerDigits());
    if (integer.size() < s.minInteger)
        integer = QString(s.minInteger - integer.size(), u'0') + integer;
    if (s.thousands)
        integer = groupThousands(integer);

    QString fraction = QString::fromStdString(rounded.fractionDigits());
    if (fraction.size() < s.maxDecimals)
        fraction += QString(s.maxDecimals - fraction.size(), u'0');
    while (fraction.size() > s.minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);

    QString number = integer;
    if (!fraction.isEmpty())
        number += kDecimalComma + fraction;
    return s.prefix + (withMinus ? QStringLiteral("-") : QString()) + number + s.suffix;
}

} // namespace

QString formatFloat(const QString &pattern, double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    if (pattern.isEmpty())
        return generalNumber(value);

    const QStringList texts = splitSections(pattern);
    auto sectionText = [&texts](int i) {
        return (i < texts.size() && !texts.at(i).isEmpty()) ? texts.at(i) : QString();
    };
    const QString zeroText = sectionText(2);

    const Decimal exact = Decimal::fromDouble(value);
    if (exact.isZero()) {
        const QString &t = zeroText.isEmpty() ? texts.at(0) : zeroText;
        return render(parseSection(t), exact, false);
    }

    const QString negativeText = sectionText(1);
    const bool useNegative = exact.negative && !negativeText.isEmpty();
    const Section section = parseSection(useNegative ? negativeText : texts.at(0));
    Decimal rounded = exact;
    rounded.roundTo(section.maxDecimals, Tie::AwayFromZero);
    if (rounded.isZero()) {
        const QString &t = zeroText.isEmpty() ? texts.at(0) : zeroText;
        return render(parseSection(t), rounded, false);
    }
    return render(section, rounded, exact.negative && !useNegative);
}

QString generalNumber(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    const Decimal d = Decimal::fromDouble(value, 15);
    if (d.isZero())
        return QStringLiteral("0");

    const QString sign = d.negative ? QStringLiteral("-") : QString();
    if (d.point >= -4 && d.point <= 15) {
        QString integer = QString::fromStdString(d.integerDigits());
        if (integer.isEmpty())
            integer = QStringLiteral("0");
        const QString fraction = QString::fromStdString(d.fractionDigits());
        return sign + integer + (fraction.isEmpty() ? QString() : kDecimalComma + fraction);
    }

    const QString digits = QString::fromStdString(d.digits);
    QString mantissa = digits.left(1);
    if (digits.size() > 1)
        mantissa += kDecimalComma + digits.mid(1);
    return sign + mantissa + u'E' + QString::number(d.point - 1);
}

double editValue(const QString &text)
{
    const QString t = text.trimmed();
    QString number = QStringLiteral("0");
    bool commaSeen = false;
    bool anyDigit = false;
    int exponent = 0;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            number += c;
            anyDigit = true;
        } else if (c == kDecimalComma && !commaSeen) {
            number += u'.';
            commaSeen = true;
        } else if ((c == u'E' || c == u'e') && anyDigit) {
            int j = i + 1;
            bool negativeExponent = false;
            if (j < t.size() && (t.at(j) == u'-' || t.at(j) == u'+')) {
                negativeExponent = t.at(j) == u'-';
                ++j;
            }
            int k = j;
            while (k < t.size() && t.at(k).isDigit() && t.at(k).unicode() < 128)
                ++k;
            if (k > j && k - j <= 4) {
                exponent = t.mid(j, k - j).toInt();
                if (negativeExponent)
                    exponent = -exponent;
                break;
            }
        }
    }
    if (!anyDigit)
        return 0.0;
    if (exponent != 0)
        number += u'e' + QString::number(exponent);
    bool ok = false;
    double v = number.toDouble(&ok);
    if (!ok && !std::isinf(v))
        v = 0.0;
    return t.startsWith(u'-') ? -v : v;
}

bool parseNumber(const QString &text, double *out)
{
    const QString t = text.trimmed();
    int i = 0;
    const int n = t.size();
    QString number;
    if (i < n && (t.at(i) == u'-' || t.at(i) == u'+')) {
        if (t.at(i) == u'-')
            number += u'-';
        ++i;
    }
    auto isDigit = [&t](int at) { return t.at(at).isDigit() && t.at(at).unicode() < 128; };

    // Integer part, with dots only where they group thousands.
    int groupLength = 0;
    bool grouped = false;
    int integerDigits = 0;
    while (i < n && (isDigit(i) || t.at(i) == kThousandsDot)) {
        if (t.at(i) == kThousandsDot) {
            if (integerDigits == 0 || (grouped ? groupLength != 3 : groupLength > 3))
                return false;
            grouped = true;
            groupLength = 0;
        } else {
            number += t.at(i);
            ++groupLength;
            ++integerDigits;
        }
        ++i;
    }
    if (grouped && groupLength != 3)
        return false;

    int fractionDigits = 0;
    if (i < n && t.at(i) == kDecimalComma) {
        number += u'.';
        ++i;
        while (i < n && isDigit(i)) {
            number += t.at(i);
            ++fractionDigits;
            ++i;
        }
    }
    if (integerDigits + fractionDigits == 0)
        return false;

    if (i < n && (t.at(i) == u'E' || t.at(i) == u'e')) {
        number += u'e';
        ++i;
        if (i < n && (t.at(i) == u'-' || t.at(i) == u'+'))
            number += t.at(i++);
        int exponentDigits = 0;
        while (i < n && isDigit(i)) {
            number += t.at(i++);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    if (i != n)
        return false;

    bool ok = false;
    const double v = number.toDouble(&ok);
    if (!ok)
        return false;
    *out = v;
    return true;
}

} // namespace core
