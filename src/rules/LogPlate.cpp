#include "LogPlate.h"

#include "data/Statement.h"

#include <QDateTime>

namespace rules {

PlateWhereabouts plateWhereabouts(data::Connection *connection, double plate)
{
    PlateWhereabouts where;
    const QVariantMap params{{QStringLiteral("plate"), plate}};
    const QVariantList line = data::firstRow(
        connection,
        QStringLiteral("select SITUACAO, NFNUMERO from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = :plate"),
        params);
    if (line.isEmpty())
        return where;
    where.nfNumero = line.value(1);
    const QVariant situation = line.value(0);
    if (!situation.isNull() && situation.toDouble() == 0) {
        where.state = PlateWhereabouts::State::InYard;
    } else if (!situation.isNull() && situation.toDouble() == 1) {
        where.state = PlateWhereabouts::State::Sawn;
        const QVariantList production = data::firstRow(
            connection, QStringLiteral("select DATA from PRODUCAO where CODPRODUTO = :plate"), params);
        if (!production.isEmpty())
            where.sawnOn = production.value(0).toDateTime().date();
    } else {
        where.state = PlateWhereabouts::State::OutOfYard;
    }
    return where;
}

} // namespace rules
