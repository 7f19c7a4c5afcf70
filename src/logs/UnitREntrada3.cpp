#include "UnitREntrada3.h"
#include "ui_UnitREntrada3.h"

TfrmREntrada3::TfrmREntrada3(data::TDM *dm, QWidget *parent)
    : EntradaDetailWindow(dm, QStringLiteral("RepEntrada3"), parent)
{
    Ui::TfrmREntrada3 ui;
    ui.setupUi(this);
    takeForm(ui);
}
