#include "DeclaredVolume.h"

#include "data/Statement.h"

#include <QDateTime>

namespace rules {

QVector<DeclaredInvoice> declaredVersusMeasured(data::Connection *connection, const QDate &from, const QDate &to,
                                                const QVariant &supplier)
{
    QString sql = QStringLiteral(
        "select N.CODIGOFORNECEDOR, E.RAZAO_SOCIAL, N.NF_NUMERO, E.DATA_EMISSAO, N.VOLUME_DECLARADO, "
        "(select coalesce(sum(D.QUANTIDADE), 0) from ENTRADA_TOROS_DISCRIMINACAO D "
        " where D.NFNUMERO = N.NF_NUMERO and D.CODIGOFORNECEDOR = N.CODIGOFORNECEDOR) "
        "from NFE_TOROS N join ENTRADA_TOROS E on E.NF_NUMERO = N.NF_NUMERO "
        "and E.CODIGOFORNECEDOR = N.CODIGOFORNECEDOR "
        "where E.DATA_EMISSAO >= :inicio and E.DATA_EMISSAO < :depois");
    QVariantMap params = {{QStringLiteral("inicio"), QDateTime(from, QTime(0, 0))},
                          {QStringLiteral("depois"), QDateTime(to.addDays(1), QTime(0, 0))}};
    if (!supplier.isNull()) {
        sql += QStringLiteral(" and N.CODIGOFORNECEDOR = :forn");
        params.insert(QStringLiteral("forn"), supplier);
    }
    sql += QStringLiteral(" order by 2, 4, 3");
    QVector<DeclaredInvoice> result;
    for (const QVariantList &r : data::allRows(connection, sql, params))
        result.push_back({r.value(0), r.value(1).toString().trimmed(), r.value(2).toDouble(),
                          r.value(3).toDateTime().date(), r.value(4).toDouble(), r.value(5).toDouble()});
    return result;
}

} // namespace rules
