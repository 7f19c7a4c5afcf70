#include "Statement.h"

#include "Connection.h"
#include "DataError.h"
#include "Table.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace data {

QSqlQuery runBound(Connection *connection, const QString &sql, const QVariantList &values)
{
    connection->ensureConnected();
    QSqlQuery q(connection->database());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw connection->errorFrom(q.lastError());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw connection->errorFrom(q.lastError());
    return q;
}

namespace {

QSqlQuery run(Connection *connection, const QString &sql, const QVariantMap &params)
{
    QVariantList values;
    const QString text = bindNamed(sql, params, values);
    return runBound(connection, text, values);
}

} // namespace

int execute(Connection *connection, const QString &sql, const QVariantMap &params)
{
    QSqlQuery q = run(connection, sql, params);
    // A definition has no row count; the driver would say so on stderr.
    static const QRegularExpression definition(
        QStringLiteral("^\\s*(create|alter|drop|recreate|comment|grant|revoke|set\\s+(statistics|generator))\\b"),
        QRegularExpression::CaseInsensitiveOption);
    if (definition.match(sql).hasMatch())
        return -1;
    return q.numRowsAffected();
}

QVariantList firstRow(Connection *connection, const QString &sql, const QVariantMap &params)
{
    QSqlQuery q = run(connection, sql, params);
    QVariantList row;
    if (q.next()) {
        const int n = q.record().count();
        for (int i = 0; i < n; ++i)
            row << q.value(i);
    }
    return row;
}

QVector<QVariantList> allRows(Connection *connection, const QString &sql, const QVariantMap &params)
{
    QSqlQuery q = run(connection, sql, params);
    QVector<QVariantList> rows;
    const int n = q.record().count();
    while (q.next()) {
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row << q.value(i);
        rows << row;
    }
    if (q.lastError().isValid())
        throw connection->errorFrom(q.lastError());
    return rows;
}

} // namespace data
