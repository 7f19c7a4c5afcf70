#include "AlphanumericCnpj.h"

#include "Connection.h"
#include "DataError.h"
#include "DatabaseCreator.h"
#include "Statement.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

static void initCnpjResource() { Q_INIT_RESOURCE(schema); }

namespace data {

QStringList AlphanumericCnpj::script()
{
    initCnpjResource();
    QFile f(QStringLiteral(":/sql/cnpj.sql"));
    if (!f.open(QIODevice::ReadOnly))
        throw DataError(QStringLiteral("O script dos CNPJ alfanuméricos não foi encontrado no programa."));
    return DatabaseCreator::splitScript(QString::fromUtf8(f.readAll()));
}

bool AlphanumericCnpj::isInstalled(Connection *connection)
{
    const QVariantList row = firstRow(connection,
        QStringLiteral("select count(*) from RDB$RELATIONS where RDB$RELATION_NAME = 'SAIDA_MADEIRAS_CNPJ'"));
    return !row.isEmpty() && row.first().toInt() > 0;
}

bool AlphanumericCnpj::ensureInstalled(Connection *connection)
{
    if (isInstalled(connection))
        return false;
    // Definitions take effect when committed: each statement commits alone.
    connection->ensureConnected();
    QSqlQuery q(connection->database());
    for (const QString &statement : script())
        if (!q.exec(statement))
            throw connection->errorFrom(q.lastError());
    return true;
}

} // namespace data
