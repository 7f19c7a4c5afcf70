#include "UnitREntrada2.h"
#include "ui_UnitREntrada2.h"

TfrmREntrada2::TfrmREntrada2(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm, {QStringLiteral("RepEntrada2")}, parent)
{
    Ui::TfrmREntrada2 ui;
    ui.setupUi(this);
    takeForm(ui);
}
