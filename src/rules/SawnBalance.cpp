#include "SawnBalance.h"

#include "data/Statement.h"

namespace rules {

namespace {

// The figures come from the summary the database keeps of every movement
// (SAWN_STOCK, sql/stock.sql), so they cost the same whatever the number of
// lines: kind 'E' intake and 'S' output by species and sub-product code,
// 'P' production by species and product name in upper case without outer
// blanks. PRODUCAO.PRODUTO holds 30 characters, so a longer sub-product
// name is compared by its first 30.
const QString kProductName = QStringLiteral(
    "PRODUTO = (select upper(trim(substring(NOMEGRAU from 1 for 30))) from SUBPRODUTO where GRAUIND = :prod)");

SawnBalance sums(data::Connection *connection, const QString &codeCondition, const QString &nameCondition,
                 const QVariantMap &params)
{
    auto part = [](const QString &kind, const QString &condition) {
        return QStringLiteral("(select coalesce(sum(QUANTIDADE), 0) as S from SAWN_STOCK where KIND = '%1'%2)")
            .arg(kind, condition.isEmpty() ? QString() : QStringLiteral(" and ") + condition);
    };
    const QString sql = QStringLiteral("select i.S, p.S, o.S, i.S + p.S - o.S from %1 i cross join %2 p cross join %3 o")
                            .arg(part(QStringLiteral("E"), codeCondition), part(QStringLiteral("P"), nameCondition),
                                 part(QStringLiteral("S"), codeCondition));
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
                QStringLiteral("CODIGOESSENCIA = :esp and ") + kProductName,
                {{QStringLiteral("esp"), species}, {QStringLiteral("prod"), product}});
}

SawnBalance SawnBalance::ofProduct(data::Connection *connection, const QVariant &product)
{
    return sums(connection, QStringLiteral("CODIGOPRODUTO = :prod"), kProductName,
                {{QStringLiteral("prod"), product}});
}

SawnBalance SawnBalance::overall(data::Connection *connection)
{
    return sums(connection, QString(), QString(), {});
}

} // namespace rules
