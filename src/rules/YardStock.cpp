#include "YardStock.h"

#include "data/Statement.h"

namespace rules {

double yardStock(data::Connection *connection)
{
    const QVariantList row = data::firstRow(
        connection, QStringLiteral("select coalesce(sum(QUANTIDADE), 0) from YARD_STOCK"));
    return row.isEmpty() ? 0.0 : row.first().toDouble();
}

double yardStockOfSpecies(data::Connection *connection, const QVariant &speciesCode)
{
    const QVariantList row = data::firstRow(
        connection,
        QStringLiteral("select coalesce(sum(QUANTIDADE), 0) from YARD_STOCK where CODIGOESSENCIA = :esp"),
        {{QStringLiteral("esp"), speciesCode}});
    return row.isEmpty() ? 0.0 : row.first().toDouble();
}

} // namespace rules
