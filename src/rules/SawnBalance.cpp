#include "SawnBalance.h"

#include "data/Statement.h"

namespace rules {

namespace {

// The production of sub-product :prod. PRODUCAO.PRODUTO holds 30
// characters, so a longer sub-product name is compared by its first 30.
const QString kProductionOfProduct = QStringLiteral(
    "PRODUTO = (select upper(trim(substring(NOMEGRAU from 1 for 30))) from SUBPRODUTO "
    "where GRAUIND = :prod)");

// The figures are read from the summary the database keeps of the three
// movement tables (sql/stock.sql), so they cost the same whatever their size.
SawnBalance sums(data::Connection *connection, const QString &lineCondition, const QString &productionCondition,
                 const QVariantMap &params)
{
    auto and_ = [](const QString &condition) {
        return condition.isEmpty() ? QString() : QStringLiteral(" and ") + condition;
    };
    const QString sql =
        QStringLiteral("select i.S, p.S, o.S, i.S + p.S - o.S from "
                       "(select coalesce(sum(QUANTIDADE), 0) as S from SAWN_STOCK where KIND = 'E'%1) i cross join "
                       "(select coalesce(sum(QUANTIDADE), 0) as S from SAWN_STOCK where KIND = 'P'%2) p cross join "
                       "(select coalesce(sum(QUANTIDADE), 0) as S from SAWN_STOCK where KIND = 'S'%1) o")
            .arg(and_(lineCondition), and_(productionCondition));
    const QVariantList row = data::firstRow(connection, sql, params);
    SawnBalance b;
    if (row.size() == 4) {
        b.intake = row[0].toDouble();
        b.production = row[1].toDouble();
        b.output = row[2].toDouble();
        b.balance = row[3].toDouble();
    }
    return b;
}

} // namespace

SawnBalance SawnBalance::of(data::Connection *connection, const QVariant &species, const QVariant &product)
{
    return sums(connection, QStringLiteral("CODIGOESSENCIA = :esp and CODIGOPRODUTO = :prod"),
                QStringLiteral("CODIGOESSENCIA = :esp and ") + kProductionOfProduct,
                {{QStringLiteral("esp"), species}, {QStringLiteral("prod"), product}});
}

SawnBalance SawnBalance::ofProduct(data::Connection *connection, const QVariant &product)
{
    return sums(connection, QStringLiteral("CODIGOPRODUTO = :prod"), kProductionOfProduct,
                {{QStringLiteral("prod"), product}});
}

SawnBalance SawnBalance::overall(data::Connection *connection)
{
    return sums(connection, QString(), QString(), {});
}

} // namespace rules
