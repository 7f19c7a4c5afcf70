#pragma once

#include "ReportDefinition.h"

#include <QString>
#include <QVariantMap>
#include <QVector>

#include <functional>

namespace data { class Connection; }

namespace reports {

// A value a report asks for, typed as the command line and the parameter
// windows give it.
struct ReportParameter
{
    enum class Type { Text, Integer, Date };
    QString key;         // "FORNECEDOR", "INICIO"
    Type type = Type::Text;
    QString description; // for "--list"
    bool required = true;
};

// One report of the program: its name (as the windows and the command line
// call it), what it prints, what it asks for, and how it is described for a
// set of values. `make` may read the database (a client's address for a
// heading) and throws ReportError with the user's message when the values
// find nothing to print and the report is not printed empty.
struct ReportEntry
{
    QString name;
    QString description;
    QVector<ReportParameter> parameters;
    std::function<ReportDefinition(data::Connection &connection, const QVariantMap &params)> make;
};

// Every report, in name order.
const QVector<ReportEntry> &reportCatalog();
const ReportEntry *findReport(const QString &name);

// Reads "KEY=VALUE" texts into typed values: integers as qlonglong, dates
// (dd/mm/yyyy or yyyy-mm-dd) as QDate. Throws ReportError naming the
// unknown key, the missing parameter or the value that is not what it
// should be.
QVariantMap parseParameters(const ReportEntry &entry, const QStringList &keyValues);
// Checks typed values (from a window) the same way; returns them with
// their keys in upper case.
QVariantMap checkParameters(const ReportEntry &entry, const QVariantMap &params);

// The named report for these values. Throws ReportError or data::DataError.
ReportDefinition makeReport(const QString &name, data::Connection &connection, const QVariantMap &params = {});

} // namespace reports
