#include "UnitRepEntrada2.h"

#include "EntradaReports.h"

namespace reports {

ReportDefinition RepEntrada2(const QVariantMap &params)
{
    return invoiceListReport(QStringLiteral("RepEntrada2"), QStringLiteral("ENTRADA_SERRADA"),
                             QStringLiteral("RELATÓRIO DE ENTRADA/MADEIRA SERRADA"), false, params);
}

ReportEntry repEntrada2Entry()
{
    return plainEntry(QStringLiteral("RepEntrada2"),
                      QStringLiteral("Notas fiscais de entrada de madeira serrada de um período"),
                      invoiceListParameters(), RepEntrada2);
}

} // namespace reports
