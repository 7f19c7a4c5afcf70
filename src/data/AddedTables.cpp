#include "AddedTables.h"

#include "Connection.h"
#include "DatabaseCreator.h"

#include <QRegularExpression>

namespace data {

QStringList AddedTables::script()
{
    return DatabaseCreator::shippedScript(QStringLiteral("additions.sql"),
                                          QStringLiteral("O script das tabelas novas não foi encontrado no programa."));
}

int AddedTables::ensureInstalled(Connection *connection)
{
    static const QRegularExpression createTable(QStringLiteral("^CREATE\\s+TABLE\\s+(\\w+)"),
                                                QRegularExpression::CaseInsensitiveOption);
    int created = 0;
    for (const QString &statement : script()) {
        const QRegularExpressionMatch m = createTable.match(statement);
        if (!m.hasMatch() || DatabaseCreator::tableExists(connection, m.captured(1).toUpper()))
            continue;
        DatabaseCreator::runAsWritten(connection, {statement});
        ++created;
    }
    return created;
}

} // namespace data
