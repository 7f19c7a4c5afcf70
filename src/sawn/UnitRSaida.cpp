#include "UnitRSaida.h"

TfrmRSaida::TfrmRSaida(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm,
                        Setup{QStringLiteral("TfrmRSaida"),
                              QStringLiteral("Relatório - Saída"),
                              QStringLiteral("RepSaida"),
                              {{QStringLiteral("DATA EMISSÃO"), QStringLiteral("DATA_EMISSAO")},
                               {QStringLiteral("FORNECEDOR"), QStringLiteral("RAZAO_SOCIAL")},
                               {QStringLiteral("NOTA FISCAL"), QStringLiteral("NF_NUMERO")}},
                              2,
                              false},
                        parent)
{
}
