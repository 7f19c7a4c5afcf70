#pragma once

#include <QStringList>

class QIODevice;
class QTextStream;

namespace taxid {

// The tax-identifier commands of the command-line tool. args holds the
// command and its arguments, without the program name:
//   check-cpf VALUE, check-cnpj VALUE, check-ie UF VALUE
//       print "valid" or "invalid"; return 0 when valid, 1 when invalid.
//   check-batch
//       read lines "KIND<TAB>UF<TAB>VALUE" from `in` (KIND is CPF, CNPJ or
//       IE; UF is empty for CPF and CNPJ) and print "1" or "0" for each;
//       a malformed line prints "0". Returns 0. Lines are split on
//       newline bytes and each is decoded as UTF-8 on its own, so there is
//       exactly one verdict per input line whatever bytes a line holds.
// A missing or extra argument prints the usage to `err` and returns 2.
// Returns NotATaxIdCommand, printing nothing, when args[0] is none of these.
constexpr int NotATaxIdCommand = -1;

int runCommand(const QStringList &args, QIODevice &in, QTextStream &out, QTextStream &err);

} // namespace taxid
