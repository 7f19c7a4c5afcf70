#include "UnitRSaida.h"

TfrmRSaida::TfrmRSaida(data::TDM *dm, QWidget *parent) : EntradaListWindow(dm, {QStringLiteral("RepSaida")}, parent)
{
    ui.setupUi(this);
    takeForm(ui);
}
