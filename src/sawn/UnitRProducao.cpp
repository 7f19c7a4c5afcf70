#include "UnitRProducao.h"

TfrmRProducao::TfrmRProducao(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm,
                        Setup{QStringLiteral("TfrmRProducao"),
                              QStringLiteral("Relatório - Produção"),
                              QStringLiteral("RepProducao"),
                              {{QStringLiteral("DATA PRODUÇÃO"), QStringLiteral("DATA")},
                               {QStringLiteral("ESSÊNCIA"), QStringLiteral("ESSENCIA")},
                               {QStringLiteral("PRODUTO"), QStringLiteral("CODPRODUTO")}},
                              0,
                              true},
                        parent)
{
}
