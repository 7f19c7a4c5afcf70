#include "TaxIdText.h"

#include "EditMask.h"

#include <cmath>

namespace core {

QString cnpjMask()
{
    return QStringLiteral(">aa.aaa.aaa/aaaa-99;0;_");
}

bool hasLetters(const QString &taxId)
{
    for (const QChar c : taxId) {
        if (c.isLetter())
            return true;
    }
    return false;
}

namespace {

// The characters of a CNPJ kept as text, without its mask.
QString bareText(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            out += c.toUpper();
    }
    return out;
}

} // namespace

QVariant taxIdNumber(const QVariant &registered)
{
    if (hasLetters(registered.toString()))
        return QVariant(QMetaType(QMetaType::Double));
    return registered;
}

QString taxIdDigits(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QString && hasLetters(value.toString()))
        return bareText(value.toString());
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::llround(number) <= 0)
        return {};
    return QString::number(std::llround(number));
}

QString taxIdText(const QVariant &value)
{
    const QString digits = taxIdDigits(value);
    if (digits.isEmpty())
        return {};
    static const EditMask cnpj(cnpjMask());
    static const EditMask cpf(QStringLiteral("999.999.999-99;0;_"));
    if (hasLetters(digits))
        return cnpj.display(digits);
    if (digits.size() > 11)
        return cnpj.display(digits.rightJustified(14, u'0'));
    return cpf.display(digits.rightJustified(11, u'0'));
}

} // namespace core
