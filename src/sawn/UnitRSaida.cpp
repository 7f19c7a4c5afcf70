#include "UnitRSaida.h"
#include "ui_UnitRSaida.h"

TfrmRSaida::TfrmRSaida(data::TDM *dm, QWidget *parent) : EntradaListWindow(dm, {QStringLiteral("RepSaida")}, parent)
{
    Ui::TfrmRSaida ui;
    ui.setupUi(this);
    takeForm(ui);
}
