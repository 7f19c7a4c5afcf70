#include "UnitRepRomaneioToros.h"

#include "EntradaReports.h"

namespace reports {

ReportDefinition RepRomaneioToros(data::Connection &connection, const QVariantMap &params)
{
    ReportDefinition def = packingListReport(connection, QStringLiteral("RepRomaneioToros"),
                                             QStringLiteral("ROMANEIO_TORO"), QStringLiteral("ROMANEIO DE TOROS"),
                                             params);
    def.data.order = {QStringLiteral("ESSENCIA")};
    const Qt::Alignment right = Qt::AlignRight;
    setColumns(def, {{0, 22, QStringLiteral("PRODUTO"), QStringLiteral("CODPRODUTO"), QStringLiteral("000000")},
                     {24, 60, QStringLiteral("ESSÊNCIA"), QStringLiteral("ESSENCIA")},
                     {86, 34, QStringLiteral("COMPRIMENTO"), QStringLiteral("COMPRIMENTO"), QStringLiteral("0.0000"),
                      right},
                     {122, 32, QStringLiteral("DIAMETRO"), QStringLiteral("LARGURA"), QStringLiteral("0.00"), right},
                     {156, 40, QStringLiteral("TOTAL M3"), QStringLiteral("TOTALM3"), QStringLiteral("0.0000"),
                      right}});

    def.summary.height = packingSummary(def, {{QStringLiteral("TOTALM3"), 156, 40, QStringLiteral("0.0000")}}) + 1;
    return def;
}

ReportEntry repRomaneioTorosEntry()
{
    return {QStringLiteral("RepRomaneioToros"), QStringLiteral("Romaneio de toras de um cliente"),
            packingListParameters(), RepRomaneioToros};
}

} // namespace reports
