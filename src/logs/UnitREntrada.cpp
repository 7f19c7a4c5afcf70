#include "UnitREntrada.h"
#include "ui_UnitREntrada.h"

TfrmREntrada::TfrmREntrada(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm, {QStringLiteral("RepEntrada")}, parent)
{
    Ui::TfrmREntrada ui;
    ui.setupUi(this);
    takeForm(ui);
}
