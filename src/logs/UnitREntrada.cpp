#include "UnitREntrada.h"

TfrmREntrada::TfrmREntrada(data::TDM *dm, QWidget *parent)
    : EntradaListWindow(dm, QStringLiteral("TfrmREntrada"), QStringLiteral("RepEntrada"), parent)
{
}
