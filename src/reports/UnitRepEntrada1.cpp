#include "UnitRepEntrada1.h"

#include "EntradaReports.h"

namespace reports {

ReportDefinition RepEntrada1(const QVariantMap &params)
{
    return invoiceDetailReport(QStringLiteral("RepEntrada1"), QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO"),
                               QStringLiteral("RELATÓRIO DE ENTRADA/MADEIRA EM TORO DETALHADA"),
                               QStringLiteral("Plaqueta"), QStringLiteral("CODIGOPRODUTO"), QStringLiteral("000000"),
                               params);
}

ReportEntry repEntrada1Entry()
{
    return plainEntry(QStringLiteral("RepEntrada1"),
                      QStringLiteral("Nota fiscal de entrada de toras detalhada, por essência"),
                      invoiceDetailParameters(), RepEntrada1);
}

} // namespace reports
