#include "SawnBalance.h"

#include "data/Statement.h"

namespace rules {

SawnBalance SawnBalance::of(data::Connection *connection, const QVariant &species, const QVariant &product)
{
    const QVariantList row = data::firstRow(
        connection,
        QStringLiteral(
            "select i.S, p.S, o.S, i.S + p.S - o.S from "
            "(select coalesce(sum(QUANTIDADE), 0) as S from ENTRADA_SERRADA_DISCRIMINACAO "
            "  where CODIGOESSENCIA = :esp and CODIGOPRODUTO = :prod) i cross join "
            "(select coalesce(sum(QSERRADA), 0) as S from PRODUCAO "
            "  where CODIGOESSENCIA = :esp and CODPRODUTO = :prod) p cross join "
            "(select coalesce(sum(TOTALM3), 0) as S from SAIDA_MADEIRAS_DISCRIMINACAO "
            "  where CODIGOESSENCIA = :esp and CODIGOPRODUTO = :prod) o"),
        {{QStringLiteral("esp"), species}, {QStringLiteral("prod"), product}});
    SawnBalance b;
    if (row.size() == 4) {
        b.intake = row[0].toDouble();
        b.production = row[1].toDouble();
        b.output = row[2].toDouble();
        b.balance = row[3].toDouble();
    }
    return b;
}

} // namespace rules
