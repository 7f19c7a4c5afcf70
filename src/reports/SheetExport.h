#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace reports {

// A table as it leaves the program for a spreadsheet: column titles as the
// screen or the page shows them and rows of typed values. Numbers (int,
// double) stay numbers, QDate and QDateTime stay dates, anything else is
// text; a null value is an empty cell.
struct Sheet
{
    QString name;          // the worksheet's name
    QStringList titles;
    // Per column, the number pattern it is shown with ("#0.0000", "000000");
    // empty for the general format. Missing entries count as empty.
    QStringList formats;
    QVector<QVector<QVariant>> rows;
};

// The two kinds of file, told by the name's ending.
enum class SheetFormat { Xlsx, Csv };
SheetFormat sheetFormatOf(const QString &path); // ".csv" is CSV, anything else a workbook

// Writes the sheet as an .xlsx workbook. The file appears complete or not at
// all. Throws ReportError with the reason.
void writeXlsx(const Sheet &sheet, const QString &path);

// CSV the way spreadsheets in Brazil read it: UTF-8 with a byte-order mark,
// ";" between fields, decimal comma without thousands separators, dates
// dd/MM/yyyy, CRLF line ends; a field holding ";", a quote or a line break
// is quoted, with inner quotes doubled.
QByteArray csvBytes(const Sheet &sheet);
void writeCsv(const Sheet &sheet, const QString &path);

// Either, by the path's ending.
void writeSheet(const Sheet &sheet, const QString &path);

} // namespace reports
