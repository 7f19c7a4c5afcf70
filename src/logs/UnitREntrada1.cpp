#include "UnitREntrada1.h"
#include "ui_UnitREntrada1.h"

TfrmREntrada1::TfrmREntrada1(data::TDM *dm, QWidget *parent)
    : EntradaDetailWindow(dm, QStringLiteral("RepEntrada1"), parent)
{
    Ui::TfrmREntrada1 ui;
    ui.setupUi(this);
    takeForm(ui);
}
