#include "UnitRRendimento.h"
#include "ui_UnitRRendimento.h"

TfrmRRendimento::TfrmRRendimento(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm, {QStringLiteral("RepRendimento"), {QStringLiteral("ESSENCIA")}}, parent)
{
    Ui::TfrmRRendimento ui;
    ui.setupUi(this);
    takeForm(ui);
}
