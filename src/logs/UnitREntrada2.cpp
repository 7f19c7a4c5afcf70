#include "UnitREntrada2.h"

TfrmREntrada2::TfrmREntrada2(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm, {QStringLiteral("RepEntrada2")}, parent)
{
    ui.setupUi(this);
    takeForm(ui);
}
