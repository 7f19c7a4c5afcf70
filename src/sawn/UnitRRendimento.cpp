#include "UnitRRendimento.h"

TfrmRRendimento::TfrmRRendimento(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm, {QStringLiteral("RepRendimento"), {QStringLiteral("ESSENCIA")}}, parent)
{
    ui.setupUi(this);
    takeForm(ui);
}
