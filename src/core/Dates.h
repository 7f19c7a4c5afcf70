#pragma once

#include <QDate>
#include <QString>

// Dates as typed and shown: day/month/year, "dd/MM/yyyy".
namespace core {

// The text a date edit shows when it holds no date.
inline const QString kEmptyDateText = QStringLiteral("00/00/0000");

// True for the texts that mean "no date": empty, blanks and separators only
// ("  /  /    ", "__/__/____"), or all zeros ("00/00/0000").
bool isEmptyDateText(const QString &text);

// Reads "d/m/yyyy" (one or two digit day and month; a two-digit year is
// taken within 50 years of today, as the old short-date reading did).
// An empty text gives a null date with *ok true; an impossible or
// malformed date ("31/02/2025", "12/13/2024", "1/2") a null date with
// *ok false. Never throws.
QDate dateFromText(const QString &text, bool *ok = nullptr);

// "dd/MM/yyyy"; a null or invalid date gives `emptyText`.
QString dateToText(const QDate &date, const QString &emptyText = QString());

} // namespace core
