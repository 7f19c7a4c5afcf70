#include "UnitREntrada2.h"

TfrmREntrada2::TfrmREntrada2(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm, QStringLiteral("TfrmREntrada2"), QStringLiteral("RepEntrada2"), parent)
{
}
