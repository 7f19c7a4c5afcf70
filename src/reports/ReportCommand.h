#pragma once

#include <QStringList>

class QTextStream;

namespace reports {

// "report --list" and "report NAME --database PATH [--param KEY=VALUE ...]
// --pdf OUT.pdf" of the command-line tool (--xlsx OUT.xlsx and --csv OUT.csv
// write the report as a spreadsheet, with or instead of the PDF); `args`
// starts after "report".
// Needs a QGuiApplication (fonts). Returns the exit code: 0 done, 1 the
// report failed (database, file), 2 the command was wrong.
int runReportCommand(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace reports
