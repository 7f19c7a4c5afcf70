#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <QVector>

namespace data {

class Connection;

// A statement run on its own, outside any dataset, with ":name" values bound
// (never pasted into the text). Inside an open Transaction it joins it;
// otherwise it commits at once. Failures raise DataError with the
// database's text.

// Runs an INSERT, UPDATE or DELETE; returns the number of rows it touched.
// A definition (CREATE, ALTER, DROP...) runs too and returns -1.
int execute(Connection *connection, const QString &sql, const QVariantMap &params = {});

// The first row of a SELECT, one value per column; empty when there is no row.
QVariantList firstRow(Connection *connection, const QString &sql, const QVariantMap &params = {});

// Runs SQL forward-only with its "?" values bound in order; what the
// functions above and the datasets build on.
QSqlQuery runBound(Connection *connection, const QString &sql, const QVariantList &values);

// Every row of a SELECT. For results known to be small (grouped figures).
QVector<QVariantList> allRows(Connection *connection, const QString &sql, const QVariantMap &params = {});

} // namespace data
