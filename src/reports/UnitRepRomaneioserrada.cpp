#include "UnitRepRomaneioserrada.h"

#include "EntradaReports.h"
#include "ReportError.h"

namespace reports {

ReportDefinition RepRomaneioserrada(data::Connection &connection, const QVariantMap &params)
{
    ReportDefinition def = packingListReport(connection, QStringLiteral("RepRomaneioserrada"),
                                             QStringLiteral("ROMANEIO_SERRADA"),
                                             QStringLiteral("ROMANEIO DE MADEIRA SERRADA"), params);
    def.margins.top = 5;
    QString order = params.value(QStringLiteral("ORDEM")).toString().trimmed().toUpper();
    if (order.isEmpty())
        order = QStringLiteral("PRODUTO");
    if (order != QLatin1String("PRODUTO") && order != QLatin1String("ESSENCIA"))
        throw ReportError(QStringLiteral("Parâmetro ORDEM do relatório %1: \"%2\" não é PRODUTO nem ESSENCIA.")
                              .arg(def.name, order));
    def.data.order = {order};

    const Qt::Alignment right = Qt::AlignRight;
    setColumns(def, {{0, 34, QStringLiteral("PRODUTO"), QStringLiteral("PRODUTO")},
                     {35, 34, QStringLiteral("ESSÊNCIA"), QStringLiteral("ESSENCIA")},
                     {70, 10, QStringLiteral("QTDE"), QStringLiteral("QUANTIDADE"), QStringLiteral("0"), right},
                     {81, 13, QStringLiteral("COMP"), QStringLiteral("COMPRIMENTO"), QStringLiteral("0.00"), right},
                     {95, 12, QStringLiteral("LARG"), QStringLiteral("LARGURA"), QStringLiteral("0.00"), right},
                     {108, 13, QStringLiteral("EXP"), QStringLiteral("EXPESSURA"), QStringLiteral("0.000"), right},
                     {122, 20, QStringLiteral("M/3"), QStringLiteral("TOTALM3"), QStringLiteral("0.0000"), right, true},
                     {143, 22, QStringLiteral("Val.Unit"), QStringLiteral("VLUNITARIO"), QStringLiteral("0.00"), right},
                     {166, 29, QStringLiteral("Val.Total"), QStringLiteral("VLTOTAL"), QStringLiteral("0.00"), right}});

    double y = packingSummary(def, {{QStringLiteral("TOTALM3"), 122, 20, QStringLiteral("0.0000")},
                                    {QStringLiteral("VLTOTAL"), 166, 29, QStringLiteral("0.00")}})
               + kLine;
    const double w = printableWidth(def);
    def.summary.add(label(0, y, w, kLine,
                          QStringLiteral("Declaro para os devidos fins, que conferi a referida mercadoria acima "
                                         "discriminada e que")));
    def.summary.add(label(0, y + kLine, w, kLine, QStringLiteral("não tenho nada a reclamar sobre a mesma.")));
    y += 3 * kLine;
    def.summary.add(label(0, y, w, kLine, QStringLiteral("Recebi  _______/_______/_______")));
    def.summary.height = y + kLine + 1;
    return def;
}

ReportEntry repRomaneioserradaEntry()
{
    QVector<ReportParameter> parameters = packingListParameters();
    parameters.insert(2, {QStringLiteral("ORDEM"), ReportParameter::Type::Text,
                          QStringLiteral("PRODUTO (o padrão) ou ESSENCIA"), false});
    return {QStringLiteral("RepRomaneioserrada"), QStringLiteral("Romaneio de madeira serrada de um cliente"),
            parameters, RepRomaneioserrada};
}

} // namespace reports
