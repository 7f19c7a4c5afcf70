#include "UnitRepSaida1.h"

#include "EntradaReports.h"

namespace reports {

ReportDefinition RepSaida1(const QVariantMap &params)
{
    return invoiceDetailReport(QStringLiteral("RepSaida1"), QStringLiteral("SAIDA_MADEIRAS_DISCRIMINACAO"),
                               QStringLiteral("RELATÓRIO SAÍDA/DETALHADA"), QStringLiteral("PRODUTO"),
                               QStringLiteral("ESSENCIATIPO"), QString(), params, QStringLiteral("TOTALM3"));
}

ReportEntry repSaida1Entry()
{
    return plainEntry(
        QStringLiteral("RepSaida1"), QStringLiteral("Nota fiscal de saída de madeira serrada detalhada, por essência"),
        {{QStringLiteral("FORNECEDOR"), ReportParameter::Type::Integer,
          QStringLiteral("código do cliente (CODIGOFORNECEDOR das linhas)"), true},
         {QStringLiteral("NOTA"), ReportParameter::Type::Integer, QStringLiteral("número da nota fiscal"), true}},
        RepSaida1);
}

} // namespace reports
