#include "Unitromaneioserrada.h"

#include "UnitromaneioSerradaProdutos.h"

#include "data/UnitDM.h"
#include "rules/LogPackingList.h"

TfrmRomaneioserrada::TfrmRomaneioserrada(data::TDM *dm_, QWidget *parent) : PackingListWindow(dm_, parent)
{
    ui.setupUi(this);
    widgets::setMovementWindowFlags(this);
    takeForm(ui, {dm->TROMANEIOSERRADA, dm->DS_ROMANEIOSERRADA, std::make_unique<rules::SawnPackingList>(dm->IBDatabase1),
                  QStringLiteral("Não há lançamento(s) de Romaneio de Madeira Serrada, Verífique!"),
                  [this] { return new TfrmromaneioSerradaProdutos(dm, this); }});
}
