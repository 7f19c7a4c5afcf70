#include "UnitRepSaida.h"

#include "EntradaReports.h"

namespace reports {

ReportDefinition RepSaida(const QVariantMap &params)
{
    // The tax number through the CNPJ or the CPF mask by its length: the
    // CPF mask alone would garble a company's CNPJ.
    ReportDefinition def = invoiceListReport(QStringLiteral("RepSaida"), QStringLiteral("SAIDA_MADEIRAS"),
                                             QStringLiteral("RELATÓRIO DE SAÍDA"), true, params);
    def.data.key = QStringLiteral("CODIGOSAIDA");
    return def;
}

ReportEntry repSaidaEntry()
{
    return plainEntry(QStringLiteral("RepSaida"),
                      QStringLiteral("Notas fiscais de saída de madeira serrada de um período"),
                      invoiceListParameters(), RepSaida);
}

} // namespace reports
