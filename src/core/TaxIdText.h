#pragma once

#include <QString>
#include <QVariant>

namespace core {

// The edit mask of a CNPJ: letters or digits in the twelve places of the
// root and branch (letters shown upper case), digits in the two check places.
QString cnpjMask();

// True when the text, masked or bare, holds a letter: a CNPJ of the kind
// issued since July 2026, which no number column can keep.
bool hasLetters(const QString &taxId);

// A register's CNPJ or CPF for an invoice's number column (CGC): the value
// itself, or null for a CNPJ with letters, which no number can hold (the
// database then keeps it beside the invoice).
QVariant taxIdNumber(const QVariant &registered);

// The CNPJ or CPF kept in a number column (CGC of the invoices), as printed.
// More than 11 digits can only be a CNPJ, shown "99.999.999/9999-99";
// anything shorter is a CPF, shown "999.999.999-99". The leading zeros that
// the number lost are put back. Null or zero (not informed) prints nothing.
// A text holding letters is an alphanumeric CNPJ and prints with the same
// mask: "12ABC34501DE35" -> "12.ABC.345/01DE-35".
// taxIdText(11222333000181.0) == "11.222.333/0001-81";
// taxIdText(11144477735.0) == "111.444.777-35".
QString taxIdText(const QVariant &value);

// The same as bare characters, without a mask ("" for null or zero).
QString taxIdDigits(const QVariant &value);

} // namespace core
