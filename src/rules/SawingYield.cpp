#include "SawingYield.h"

#include "core/SawingYield.h"
#include "data/DataError.h"
#include "data/Statement.h"
#include "data/Transaction.h"

#include <QDateTime>

namespace rules {

QVector<YieldLine> yieldLines(data::Connection *connection, const QDate &from, const QDate &to)
{
    const QVector<QVariantList> rows = data::allRows(connection,
        QStringLiteral("select CODIGOESSENCIA, coalesce(max(ESSENCIA), ''), coalesce(upper(trim(PRODUTO)), ''), "
                       "sum(coalesce(QTORA, 0)), sum(coalesce(QSERRADA, 0)) from PRODUCAO "
                       "where DATA >= :inicio and DATA < :depois "
                       "group by CODIGOESSENCIA, upper(trim(PRODUTO)) order by 2, 1, 3"),
        {{QStringLiteral("inicio"), QDateTime(from, QTime(0, 0))},
         {QStringLiteral("depois"), QDateTime(to.addDays(1), QTime(0, 0))}});
    QVector<YieldLine> lines;
    lines.reserve(rows.size());
    for (const QVariantList &r : rows)
        lines.push_back({r.value(0), r.value(1).toString().trimmed(), r.value(2).toString(), r.value(3).toDouble(),
                         r.value(4).toDouble()});
    return lines;
}

QVector<YieldSpecies> yieldBySpecies(const QVector<YieldLine> &lines)
{
    QVector<YieldSpecies> species;
    for (const YieldLine &l : lines) {
        if (species.isEmpty() || species.last().speciesCode != l.speciesCode || species.last().species != l.species)
            species.push_back({l.speciesCode, l.species, 0, 0, {}});
        YieldSpecies &s = species.last();
        s.logs += l.logs;
        s.sawn += l.sawn;
        s.products.push_back(l);
    }
    return species;
}

double yieldCoefficient(data::Connection *connection)
{
    const QVariantList row = data::firstRow(connection,
        QStringLiteral("select PERCENTUAL from COEFICIENTE_RENDIMENTO where CODIGO = 1"));
    return row.isEmpty() || row.first().isNull() ? core::kLegalYieldPercent : row.first().toDouble();
}

void setYieldCoefficient(data::Connection *connection, double percent)
{
    if (!(percent > 0 && percent < 100))
        throw data::DataError(QStringLiteral("O coeficiente de rendimento deve estar entre 0 e 100%."));
    data::Transaction work(connection);
    const QVariantMap params = {{QStringLiteral("p"), percent}};
    if (data::execute(connection, QStringLiteral("update COEFICIENTE_RENDIMENTO set PERCENTUAL = :p where CODIGO = 1"),
                      params) == 0)
        data::execute(connection,
                      QStringLiteral("insert into COEFICIENTE_RENDIMENTO (CODIGO, PERCENTUAL) values (1, :p)"), params);
    work.commit();
}

} // namespace rules
