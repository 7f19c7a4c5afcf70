#include "UnitREntrada1.h"

TfrmREntrada1::TfrmREntrada1(data::TDM *dm, QWidget *parent)
    : EntradaDetailWindow(dm, QStringLiteral("RepEntrada1"), parent)
{
    ui.setupUi(this);
    takeForm(ui);
}
