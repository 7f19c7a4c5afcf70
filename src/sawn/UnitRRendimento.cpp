#include "UnitRRendimento.h"

TfrmRRendimento::TfrmRRendimento(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm,
                        Setup{QStringLiteral("TfrmRRendimento"),
                              QStringLiteral("Relatório - Rendimento da Produção"),
                              QStringLiteral("RepRendimento"),
                              {{QStringLiteral("ESSÊNCIA"), QStringLiteral("ESSENCIA")}},
                              0,
                              false},
                        parent)
{
}
