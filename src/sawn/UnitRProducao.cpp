#include "UnitRProducao.h"
#include "ui_UnitRProducao.h"

TfrmRProducao::TfrmRProducao(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm,
                        {QStringLiteral("RepProducao"),
                         {QStringLiteral("DATA"), QStringLiteral("ESSENCIA"), QStringLiteral("CODPRODUTO")},
                         true},
                        parent)
{
    Ui::TfrmRProducao ui;
    ui.setupUi(this);
    takeForm(ui);
}
