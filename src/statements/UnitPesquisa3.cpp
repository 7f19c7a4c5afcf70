#include "UnitPesquisa3.h"

#include "PickerCatalog.h"
#include "data/UnitDM.h"

TfrmPesquisa3::TfrmPesquisa3(data::TDM *dm, QWidget *parent)
    : PickerWindow(describedPicker(QStringLiteral("TfrmPesquisa3"), dm), parent)
{
}
