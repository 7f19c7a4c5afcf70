#include "UnitRProducao.h"

TfrmRProducao::TfrmRProducao(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm,
                        {QStringLiteral("RepProducao"),
                         {QStringLiteral("DATA"), QStringLiteral("ESSENCIA"), QStringLiteral("CODPRODUTO")},
                         true},
                        parent)
{
    ui.setupUi(this);
    takeForm(ui);
}
