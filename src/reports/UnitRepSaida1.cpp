#include "UnitRepSaida1.h"

#include "EntradaReports.h"

namespace reports {

ReportDefinition RepSaida1(const QVariantMap &params)
{
    QVariantMap p = params;
    p.insert(QStringLiteral("FORNECEDOR"), params.value(QStringLiteral("CLIENTE")));
    return invoiceDetailReport(QStringLiteral("RepSaida1"), QStringLiteral("SAIDA_MADEIRAS_DISCRIMINACAO"),
                               QStringLiteral("RELATÓRIO SAÍDA/DETALHADA"), QStringLiteral("PRODUTO"),
                               QStringLiteral("ESSENCIATIPO"), QString(), p, QStringLiteral("TOTALM3"));
}

ReportEntry repSaida1Entry()
{
    return {QStringLiteral("RepSaida1"), QStringLiteral("Nota fiscal de saída de madeira serrada detalhada, por essência"),
            {{QStringLiteral("CLIENTE"), ReportParameter::Type::Integer, QStringLiteral("código do cliente"), true},
             {QStringLiteral("NOTA"), ReportParameter::Type::Integer, QStringLiteral("número da nota fiscal"), true}},
            [](data::Connection &, const QVariantMap &params) { return RepSaida1(params); }};
}

} // namespace reports
