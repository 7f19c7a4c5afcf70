#include "UnitRepEntrada.h"

#include "EntradaReports.h"

namespace reports {

ReportDefinition RepEntrada(const QVariantMap &params)
{
    return invoiceListReport(QStringLiteral("RepEntrada"), QStringLiteral("ENTRADA_TOROS"),
                             QStringLiteral("RELATÓRIO DE ENTRADA/MADEIRA EM TORO"), true, params);
}

ReportEntry repEntradaEntry()
{
    return plainEntry(QStringLiteral("RepEntrada"), QStringLiteral("Notas fiscais de entrada de toras de um período"),
                      invoiceListParameters(), RepEntrada);
}

} // namespace reports
