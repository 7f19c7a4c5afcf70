#include "SchemaIndexes.h"

#include "DatabaseCreator.h"
#include "SchemaUpgrade.h"

#include <QRegularExpression>

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
    QStringList names;
    for (const SchemaUpgrade::Missing &part :
         SchemaUpgrade::missing(SchemaUpgrade::catalog(connection), {SchemaUpgrade::Indexes}))
        for (const QString &object : part.objects)
            names << object.section(QLatin1Char(':'), 1);
    return names;
}

QStringList SchemaIndexes::ensureInstalled(Connection *connection)
{
    QStringList names;
    for (const QString &object : SchemaUpgrade::ensureInstalled(connection, {SchemaUpgrade::Indexes}))
        names << object.section(QLatin1Char(':'), 1);
    return names;
}

} // namespace data
