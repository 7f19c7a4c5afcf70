#pragma once

#include <QString>
#include <QVariant>

namespace core {

// The CNPJ or CPF kept in a number column (CGC of the invoices), as printed.
// More than 11 digits can only be a CNPJ, shown "99.999.999/9999-99";
// anything shorter is a CPF, shown "999.999.999-99". The leading zeros that
// the number lost are put back. Null or zero (not informed) prints nothing.
// taxIdText(11222333000181.0) == "11.222.333/0001-81";
// taxIdText(11144477735.0) == "111.444.777-35".
QString taxIdText(const QVariant &value);

// The same number as bare digits, without a mask ("" for null or zero).
QString taxIdDigits(const QVariant &value);

} // namespace core
