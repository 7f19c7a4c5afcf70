#include "SchemaUpgrade.h"

#include "Connection.h"
#include "DatabaseCreator.h"
#include "SchemaIndexes.h"
#include "Statement.h"
#include "StockSummary.h"
#include "Transaction.h"

#include <QRegularExpression>

namespace data {

namespace {

const QVector<SchemaUpgrade::Step> kAllSteps = {SchemaUpgrade::Stock, SchemaUpgrade::AddedTables,
                                                SchemaUpgrade::Indexes, SchemaUpgrade::AlphanumericCnpj};

} // namespace

QStringList SchemaUpgrade::script(Step step)
{
    switch (step) {
    case Stock:
        return DatabaseCreator::shippedScript(QStringLiteral("stock.sql"),
                                              QStringLiteral("O script do estoque não foi encontrado no programa."));
    case AddedTables:
        return DatabaseCreator::shippedScript(QStringLiteral("additions.sql"),
                                              QStringLiteral("O script das tabelas novas não foi encontrado no programa."));
    case Indexes: {
        QStringList statements;
        for (const auto &d : SchemaIndexes::definitions())
            statements << d.second;
        return statements;
    }
    case AlphanumericCnpj:
        return DatabaseCreator::shippedScript(
            QStringLiteral("cnpj.sql"),
            QStringLiteral("O script dos CNPJ alfanuméricos não foi encontrado no programa."));
    }
    return {};
}

QString SchemaUpgrade::objectOf(const QString &statement)
{
    static const QRegularExpression create(
        QStringLiteral("^CREATE\\s+(?:OR\\s+ALTER\\s+)?(?:UNIQUE\\s+)?(?:(?:ASC|ASCENDING|DESC|DESCENDING)\\s+)?"
                       "(TABLE|VIEW|TRIGGER|INDEX|PROCEDURE|SEQUENCE|GENERATOR)\\s+(\\w+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = create.match(statement.trimmed());
    if (!m.hasMatch())
        return {};
    QString kind = m.captured(1).toUpper();
    if (kind == QLatin1String("VIEW"))
        kind = QStringLiteral("TABLE"); // one name space: relations
    else if (kind == QLatin1String("GENERATOR"))
        kind = QStringLiteral("SEQUENCE");
    return kind + QLatin1Char(':') + m.captured(2).toUpper();
}

QSet<QString> SchemaUpgrade::catalog(Connection *connection)
{
    QSet<QString> present;
    const auto rows = allRows(connection, QStringLiteral(
        "select 'TABLE:' || trim(RDB$RELATION_NAME) from RDB$RELATIONS where coalesce(RDB$SYSTEM_FLAG, 0) = 0 "
        "union all select 'TRIGGER:' || trim(RDB$TRIGGER_NAME) from RDB$TRIGGERS "
        "where coalesce(RDB$SYSTEM_FLAG, 0) = 0 "
        "union all select 'INDEX:' || trim(RDB$INDEX_NAME) from RDB$INDICES where coalesce(RDB$SYSTEM_FLAG, 0) = 0 "
        "union all select 'PROCEDURE:' || trim(RDB$PROCEDURE_NAME) from RDB$PROCEDURES "
        "where coalesce(RDB$SYSTEM_FLAG, 0) = 0 "
        "union all select 'SEQUENCE:' || trim(RDB$GENERATOR_NAME) from RDB$GENERATORS "
        "where coalesce(RDB$SYSTEM_FLAG, 0) = 0"));
    for (const QVariantList &row : rows)
        present.insert(row.value(0).toString().toUpper());
    return present;
}

QVector<SchemaUpgrade::Missing> SchemaUpgrade::missing(const QSet<QString> &catalog, const QVector<Step> &steps)
{
    QVector<Missing> parts;
    for (Step step : steps.isEmpty() ? kAllSteps : steps) {
        Missing part{step, {}, {}};
        for (const QString &statement : script(step)) {
            const QString object = objectOf(statement);
            if (object.isEmpty() || catalog.contains(object))
                continue;
            part.objects << object;
            part.statements << statement;
        }
        if (!part.objects.isEmpty())
            parts << part;
    }
    return parts;
}

void SchemaUpgrade::apply(Connection *connection, const Missing &part)
{
    {
        Transaction work(connection);
        DatabaseCreator::runAsWritten(connection, part.statements);
        work.commit();
    }
    // Movements written while a summary or its trigger was missing count
    // only once the figures are computed again.
    if (part.step == Stock)
        StockSummary::rebuild(connection);
}

QStringList SchemaUpgrade::ensureInstalled(Connection *connection, const QVector<Step> &steps)
{
    QStringList made;
    for (const Missing &part : missing(catalog(connection), steps)) {
        apply(connection, part);
        made << part.objects;
    }
    return made;
}

} // namespace data
