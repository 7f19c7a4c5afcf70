#include "SawnBalance.h"

#include "data/Statement.h"

namespace rules {

namespace {

// The production rows of sub-product :prod. PRODUCAO.PRODUTO holds 30
// characters, so a longer sub-product name is compared by its first 30.
const QString kProductionOfProduct = QStringLiteral(
    "upper(trim(PRODUTO)) = (select upper(trim(substring(NOMEGRAU from 1 for 30))) from SUBPRODUTO "
    "where GRAUIND = :prod)");

SawnBalance sums(data::Connection *connection, const QString &lineCondition, const QString &productionCondition,
                 const QVariantMap &params)
{
    auto where = [](const QString &condition) {
        return condition.isEmpty() ? QString() : QStringLiteral(" where ") + condition;
    };
    const QString sql =
        QStringLiteral("select i.S, p.S, o.S, i.S + p.S - o.S from "
                       "(select coalesce(sum(QUANTIDADE), 0) as S from ENTRADA_SERRADA_DISCRIMINACAO%1) i cross join "
                       "(select coalesce(sum(QSERRADA), 0) as S from PRODUCAO%2) p cross join "
                       "(select coalesce(sum(TOTALM3), 0) as S from SAIDA_MADEIRAS_DISCRIMINACAO%1) o")
            .arg(where(lineCondition), where(productionCondition));
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
