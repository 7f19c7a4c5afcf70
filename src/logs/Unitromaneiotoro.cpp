#include "Unitromaneiotoro.h"

#include "Unitromaneiotorosprodutos.h"

#include "data/UnitDM.h"
#include "rules/LogPackingList.h"

TfrmRomaneiotoro::TfrmRomaneiotoro(data::TDM *dm_, QWidget *parent) : PackingListWindow(dm_, parent)
{
    ui.setupUi(this);
    EditFax = ui.EditFax;
    nota1 = ui.nota1;
    data1 = ui.data1;
    takeForm(ui, {dm->TROMANEIOTORO, dm->DS_ROMANEIOTORO, std::make_unique<rules::LogPackingList>(dm->IBDatabase1),
                  QStringLiteral("Não há lançamento(s) de Romaneio de Madeira em Toro para o relatório!"),
                  [this] { return new TfrmRomaneiotorosprodutos(dm, this); }});
}
