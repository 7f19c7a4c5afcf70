#include "StockSummary.h"

#include "Connection.h"
#include "DataError.h"
#include "DatabaseCreator.h"
#include "SchemaUpgrade.h"
#include "Statement.h"
#include "Transaction.h"


namespace data {

bool StockSummary::isInstalled(Connection *connection)
{
    return DatabaseCreator::tableExists(connection, QStringLiteral("YARD_STOCK"));
}

bool StockSummary::ensureInstalled(Connection *connection)
{
    return !SchemaUpgrade::ensureInstalled(connection, {SchemaUpgrade::Stock}).isEmpty();
}

void StockSummary::rebuild(Connection *connection)
{
    Transaction work(connection);
    execute(connection, QStringLiteral("delete from YARD_STOCK"));
    execute(connection, QStringLiteral("delete from SAWN_STOCK"));
    execute(connection, QStringLiteral(
        "insert into YARD_STOCK (CODIGOESSENCIA, QUANTIDADE) "
        "select CODIGOESSENCIA, sum(coalesce(QUANTIDADE, 0)) from ENTRADA_TOROS_DISCRIMINACAO "
        "where SITUACAO = 0 group by CODIGOESSENCIA"));
    execute(connection, QStringLiteral(
        "insert into SAWN_STOCK (KIND, CODIGOESSENCIA, CODIGOPRODUTO, QUANTIDADE) "
        "select 'E', CODIGOESSENCIA, CODIGOPRODUTO, sum(coalesce(QUANTIDADE, 0)) "
        "from ENTRADA_SERRADA_DISCRIMINACAO group by CODIGOESSENCIA, CODIGOPRODUTO"));
    execute(connection, QStringLiteral(
        "insert into SAWN_STOCK (KIND, CODIGOESSENCIA, CODIGOPRODUTO, QUANTIDADE) "
        "select 'S', CODIGOESSENCIA, CODIGOPRODUTO, sum(coalesce(TOTALM3, 0)) "
        "from SAIDA_MADEIRAS_DISCRIMINACAO group by CODIGOESSENCIA, CODIGOPRODUTO"));
    execute(connection, QStringLiteral(
        "insert into SAWN_STOCK (KIND, CODIGOESSENCIA, PRODUTO, QUANTIDADE) "
        "select 'P', CODIGOESSENCIA, upper(trim(PRODUTO)), sum(coalesce(QSERRADA, 0)) "
        "from PRODUCAO group by CODIGOESSENCIA, upper(trim(PRODUTO))"));
    work.commit();
}

void StockSummary::fold(Connection *connection)
{
    Transaction work(connection);
    execute(connection, QStringLiteral("execute procedure FOLD_YARD_STOCK"));
    execute(connection, QStringLiteral("execute procedure FOLD_SAWN_STOCK"));
    work.commit();
}

bool StockSummary::tryFold(Connection *connection) noexcept
{
    try {
        if (!connection->isConnected())
            return false;
        fold(connection);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace data
