#include "Unitromaneiotorosprodutos.h"

#include "core/Dates.h"
#include "core/Formats.h"
#include "core/LogVolume.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

#include <QPushButton>

using namespace widgets;

TfrmRomaneiotorosprodutos::TfrmRomaneiotorosprodutos(data::TDM *dm_, QWidget *parent)
    : PackingListLineWindow(dm_, parent)
{
    setupUi(this);
    FormBinder::bind(this, dm->DS_ROMANEIOTORO);
    INDICE->setThousands(false);
    INDICE->setValue(core::kPackingListIndex); // kept as last typed for the rest of the run

    setUpLines(dm->TROMANEIOTORO, DBEDIT1, BitBtn1, BitBtn3);
    listsSpecies(ESSENCIA, QStringLiteral("CODESSENCIA"));
    onExit(INDICE, [this] { INDICEExit(); });
    onExit(VALUNITARIO, [this] { VALUNITARIOExit(); });
}

void TfrmRomaneiotorosprodutos::writeRow(const QString &column, double value)
{
    // Written in the general number format and stored unrounded.
    if (dm->TROMANEIOTORO->isEditing())
        dm->TROMANEIOTORO->setValue(column, core::editValue(core::generalNumber(value)));
}

void TfrmRomaneiotorosprodutos::INDICEExit()
{
    writeRow(QStringLiteral("TOTALM3"),
             core::packingListVolume(COMPRIMENTO->value(), DIAMETRO->value(), INDICE->value()));
}

void TfrmRomaneiotorosprodutos::VALUNITARIOExit()
{
    writeRow(QStringLiteral("VLTOTAL"), core::lineValue(QUANTIDADE->value(), VALUNITARIO->value()));
    BitBtn1Click();
}

void TfrmRomaneiotorosprodutos::BitBtn1Click()
{
    saveLine({chosen(ESSENCIA, QStringLiteral("Essência deve ser informada!")),
              unitChosen(DBComboBox1),
              notZero(COMPRIMENTO, QStringLiteral("Comprimento deve ser informao!")),
              notZero(DIAMETRO, QStringLiteral("Diametro[x] deve ser informao!")),
              notZero(QUANTIDADE, QStringLiteral("Quantidade deve ser informada!")),
              notZero(VALUNITARIO, QStringLiteral("Valor Unitário deve ser informado!"))},
             [this] { postToList(dm->TROMANEIOTORO); }, QStringLiteral("Insere Outro Produto para este Cliente?"), {},
             [this] {
                 dm->TROMANEIOTORO->setFiltered(false);
                 dm->TROMANEIOTORO->close();
                 close();
             });
}

void TfrmRomaneiotorosprodutos::BitBtn3Click()
{
    dm->QEssencia->close();
    close();
}
