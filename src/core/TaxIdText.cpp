#include "TaxIdText.h"

#include "EditMask.h"

#include <cmath>

namespace core {

QString taxIdDigits(const QVariant &value)
{
    if (value.isNull())
        return {};
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
    static const EditMask cnpj(QStringLiteral("99.999.999/9999-99;0;_"));
    static const EditMask cpf(QStringLiteral("999.999.999-99;0;_"));
    if (digits.size() > 11)
        return cnpj.display(digits.rightJustified(14, u'0'));
    return cpf.display(digits.rightJustified(11, u'0'));
}

} // namespace core
