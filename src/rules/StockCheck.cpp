#include "StockCheck.h"

#include "data/Statement.h"

#include <QMap>

#include <cmath>

namespace rules {

namespace {

constexpr double Tolerance = 0.00005;

QString keyText(const QVariant &v)
{
    return v.isNull() ? QStringLiteral("(vazio)") : v.toString();
}

// Key columns first, the figure last.
QMap<QString, double> figures(data::Connection *connection, const QString &sql)
{
    QMap<QString, double> out;
    for (const QVariantList &row : data::allRows(connection, sql)) {
        QStringList key;
        for (int i = 0; i + 1 < row.size(); ++i)
            key << keyText(row[i]);
        out[key.join(QStringLiteral(", "))] += row.last().toDouble();
    }
    return out;
}

void compare(const QString &label, const QMap<QString, double> &summary,
             const QMap<QString, double> &movements, QVector<StockDifference> &out)
{
    QStringList keys = summary.keys() + movements.keys();
    keys.removeDuplicates();
    keys.sort();
    for (const QString &k : keys) {
        const double s = summary.value(k);
        const double m = movements.value(k);
        if (std::fabs(s - m) >= Tolerance)
            out.push_back({label + QStringLiteral(" ") + k, s, m});
    }
}

} // namespace

QVector<StockDifference> stockDifferences(data::Connection *connection)
{
    QVector<StockDifference> out;
    compare(QStringLiteral("Estoque do pátio, essência"),
            figures(connection, QStringLiteral(
                "select CODIGOESSENCIA, sum(QUANTIDADE) from YARD_STOCK group by 1")),
            figures(connection, QStringLiteral(
                "select CODIGOESSENCIA, sum(coalesce(QUANTIDADE, 0)) from ENTRADA_TOROS_DISCRIMINACAO "
                "where SITUACAO = 0 group by 1")),
            out);
    compare(QStringLiteral("Entrada de serrada, essência, produto"),
            figures(connection, QStringLiteral(
                "select CODIGOESSENCIA, CODIGOPRODUTO, sum(QUANTIDADE) from SAWN_STOCK "
                "where KIND = 'E' group by 1, 2")),
            figures(connection, QStringLiteral(
                "select CODIGOESSENCIA, CODIGOPRODUTO, sum(coalesce(QUANTIDADE, 0)) "
                "from ENTRADA_SERRADA_DISCRIMINACAO group by 1, 2")),
            out);
    compare(QStringLiteral("Saída de serrada, essência, produto"),
            figures(connection, QStringLiteral(
                "select CODIGOESSENCIA, CODIGOPRODUTO, sum(QUANTIDADE) from SAWN_STOCK "
                "where KIND = 'S' group by 1, 2")),
            figures(connection, QStringLiteral(
                "select CODIGOESSENCIA, CODIGOPRODUTO, sum(coalesce(TOTALM3, 0)) "
                "from SAIDA_MADEIRAS_DISCRIMINACAO group by 1, 2")),
            out);
    compare(QStringLiteral("Produção, essência, produto"),
            figures(connection, QStringLiteral(
                "select CODIGOESSENCIA, PRODUTO, sum(QUANTIDADE) from SAWN_STOCK "
                "where KIND = 'P' group by 1, 2")),
            figures(connection, QStringLiteral(
                "select CODIGOESSENCIA, upper(trim(PRODUTO)), sum(coalesce(QSERRADA, 0)) "
                "from PRODUCAO group by 1, 2")),
            out);
    return out;
}

} // namespace rules
