#include "AddedTables.h"

#include "Connection.h"
#include "DataError.h"
#include "DatabaseCreator.h"
#include "Statement.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

static void initAddedResource() { Q_INIT_RESOURCE(schema); }

namespace data {

QStringList AddedTables::script()
{
    initAddedResource();
    QFile f(QStringLiteral(":/sql/additions.sql"));
    if (!f.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("O script das tabelas novas não foi encontrado no programa."));
    return DatabaseCreator::splitScript(QString::fromUtf8(f.readAll()));
}

int AddedTables::ensureInstalled(Connection *connection)
{
    static const QRegularExpression createTable(QStringLiteral("^CREATE\\s+TABLE\\s+(\\w+)"),
                                                QRegularExpression::CaseInsensitiveOption);
    int created = 0;
    for (const QString &statement : script()) {
        const QRegularExpressionMatch m = createTable.match(statement);
        if (!m.hasMatch())
            continue;
        const QVariantList row = firstRow(connection,
            QStringLiteral("select count(*) from RDB$RELATIONS where RDB$RELATION_NAME = :name"),
            {{QStringLiteral("name"), m.captured(1).toUpper()}});
        if (!row.isEmpty() && row.first().toInt() > 0)
            continue;
        // A definition takes effect when committed: one statement each.
        connection->ensureConnected();
        QSqlQuery q(connection->database());
        if (!q.exec(statement))
            throw connection->errorFrom(q.lastError());
        ++created;
    }
    return created;
}

} // namespace data
