#include "SchemaIndexes.h"

#include "Connection.h"
#include "DataError.h"
#include "DatabaseCreator.h"
#include "Statement.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace data {

QList<QPair<QString, QString>> SchemaIndexes::definitions()
{
    static const QRegularExpression plain(
        QStringLiteral("^CREATE\\s+(?:(?:ASC|ASCENDING|DESC|DESCENDING)\\s+)?INDEX\\s+(\\w+)\\s"),
        QRegularExpression::CaseInsensitiveOption);
    QList<QPair<QString, QString>> found;
    for (const QString &statement : DatabaseCreator::splitScript(DatabaseCreator::schemaScript())) {
        const QRegularExpressionMatch m = plain.match(statement.trimmed());
        if (m.hasMatch())
            found.append({m.captured(1).toUpper(), statement.trimmed()});
    }
    return found;
}

QStringList SchemaIndexes::missing(Connection *connection)
{
    QSet<QString> present;
    for (const QVariantList &row : allRows(connection, QStringLiteral(
             "select trim(RDB$INDEX_NAME) from RDB$INDICES where coalesce(RDB$SYSTEM_FLAG, 0) = 0")))
        present.insert(row.value(0).toString().toUpper());
    QStringList names;
    for (const auto &d : definitions())
        if (!present.contains(d.first))
            names << d.first;
    return names;
}

QStringList SchemaIndexes::ensureInstalled(Connection *connection)
{
    const QStringList names = missing(connection);
    if (names.isEmpty())
        return names;
    const QList<QPair<QString, QString>> all = definitions();
    connection->ensureConnected();
    // Definitions outside any transaction of ours commit as they run.
    QSqlQuery q(connection->database());
    for (const auto &d : all) {
        if (!names.contains(d.first))
            continue;
        if (!q.exec(d.second))
            throw connection->errorFrom(q.lastError());
    }
    return names;
}

} // namespace data
