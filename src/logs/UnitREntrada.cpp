#include "UnitREntrada.h"

TfrmREntrada::TfrmREntrada(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm, {QStringLiteral("RepEntrada")}, parent)
{
    ui.setupUi(this);
    takeForm(ui);
}
