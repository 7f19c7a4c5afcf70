#include "UnitPesquisa1.h"

#include "PickerCatalog.h"
#include "data/UnitDM.h"

TfrmPesquisa1::TfrmPesquisa1(data::TDM *dm_, QWidget *parent)
    : PickerWindow(describedPicker(QStringLiteral("TfrmPesquisa1"), dm_), parent), dm(dm_)
{
}

void TfrmPesquisa1::done(int result)
{
    dm->QProduto->close();
    PickerWindow::done(result);
}
