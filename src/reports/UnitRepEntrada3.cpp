#include "UnitRepEntrada3.h"

#include "EntradaReports.h"

namespace reports {

ReportDefinition RepEntrada3(const QVariantMap &params)
{
    return invoiceDetailReport(QStringLiteral("RepEntrada3"), QStringLiteral("ENTRADA_SERRADA_DISCRIMINACAO"),
                               QStringLiteral("RELATÓRIO DE ENTRADA/MADEIRA SERRADA DETALHADA"),
                               QStringLiteral("PRODUTO"), QStringLiteral("ESSENCIATIPO"), QString(), params);
}

ReportEntry repEntrada3Entry()
{
    return plainEntry(QStringLiteral("RepEntrada3"),
                      QStringLiteral("Nota fiscal de entrada de madeira serrada detalhada, por essência"),
                      invoiceDetailParameters(), RepEntrada3);
}

} // namespace reports
