#pragma once

#include <QStringView>

// Check-digit validation of Brazilian tax identifiers: CPF (natural person),
// CNPJ (legal person) and the state registration (IE) of the 27 states.
//
// Mask characters (space, "-", ".", "/", "_") are ignored; any other
// character that is not a digit makes the value invalid. A value that holds
// no digit at all is valid, so an empty or untouched masked field passes.
// A CNPJ may hold upper-case letters A-Z in its first twelve places (each
// counts as its character code minus 48); its two check digits are digits.
// The functions allocate nothing and may be called from any thread.
namespace taxid {

bool isValidCpf(QStringView text);
bool isValidCnpj(QStringView text);

// uf is the two-letter state code, in any case; an unknown or empty code
// makes every non-empty value invalid. For "SP" a leading "P" marks a rural
// producer's registration.
bool isValidIe(QStringView uf, QStringView text);

} // namespace taxid
