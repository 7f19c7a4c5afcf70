#include "UnitREntrada3.h"

TfrmREntrada3::TfrmREntrada3(data::TDM *dm, QWidget *parent)
    : EntradaDetailWindow(dm, QStringLiteral("RepEntrada3"), parent)
{
    ui.setupUi(this);
    takeForm(ui);
}
