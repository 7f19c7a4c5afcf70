#include "UnitPesquisaEntrada.h"

#include "PickerCatalog.h"
#include "data/UnitDM.h"

TfrmPesquisa::TfrmPesquisa(data::TDM *dm, QWidget *parent)
    : PickerWindow(describedPicker(QStringLiteral("TfrmPesquisa"), dm), parent)
{
}
