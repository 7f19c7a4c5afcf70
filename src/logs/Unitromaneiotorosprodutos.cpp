#include "Unitromaneiotorosprodutos.h"

#include "core/Dates.h"
#include "core/Formats.h"
#include "core/LogVolume.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DateEdit.h"
#include "widgets/NumericEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace widgets;

TfrmRomaneiotorosprodutos::TfrmRomaneiotorosprodutos(data::TDM *dm_, QWidget *parent)
    : PackingListLineWindow(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmRomaneiotorosprodutos"));
    setWindowTitle(QStringLiteral("Produtos"));
    data::DataSource *rows = dm->DS_ROMANEIOTORO;
    auto numeric = [&](const QString &name, const QString &column, int decimals) {
        return makeNumericEdit(name, rows, column, decimals);
    };
    DBEDIT1 = new ZeroPadEdit(nullptr, 6);
    DBEDIT1->setObjectName(QStringLiteral("DBEDIT1"));
    DBEDIT1->setDataSource(rows);
    DBEDIT1->setDataField(QStringLiteral("CODPRODUTO"));
    ESSENCIA = new DBLookupComboBox;
    ESSENCIA->setObjectName(QStringLiteral("ESSENCIA"));
    ESSENCIA->setListSource(dm->QEssencia, QStringLiteral("ESSENCIA"), QStringLiteral("ESSENCIA"));
    ESSENCIA->setDataSource(rows);
    ESSENCIA->setDataField(QStringLiteral("ESSENCIA"));
    ESSENCIA->setDropDownOnEnter(true);
    DBEdit5 = new DBEdit(rows, QStringLiteral("CODESSENCIA"));
    DBEdit5->setObjectName(QStringLiteral("DBEdit5"));
    DBEdit5->hide();
    DBComboBox1 = new DBComboBox;
    DBComboBox1->setObjectName(QStringLiteral("DBComboBox1"));
    DBComboBox1->addItems({QStringLiteral("M/3"), QStringLiteral("KG"), QStringLiteral("M/2"), QStringLiteral("MM"),
                           QStringLiteral("UM")});
    DBComboBox1->setCurrentIndex(-1);
    DBComboBox1->setDataSource(rows);
    DBComboBox1->setDataField(QStringLiteral("UNIDADE"));
    COMPRIMENTO = numeric(QStringLiteral("COMPRIMENTO"), QStringLiteral("COMPRIMENTO"), 2);
    DIAMETRO = numeric(QStringLiteral("DIAMETRO"), QStringLiteral("LARGURA"), 2);
    INDICE = numeric(QStringLiteral("INDICE"), QString(), 3);
    INDICE->setThousands(false);
    INDICE->setValue(core::kPackingListIndex); // kept as last typed for the rest of the run
    INDICE->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));
    QUANTIDADE = numeric(QStringLiteral("QUANTIDADE"), QStringLiteral("TOTALM3"), 4);
    QUANTIDADE->setReadOnly(true);
    QUANTIDADE->setFocusPolicy(Qt::ClickFocus);
    QUANTIDADE->setStyleSheet(QStringLiteral("font-weight: bold; color: blue; background: #FFFFE1;"));
    VALUNITARIO = numeric(QStringLiteral("VALUNITARIO"), QStringLiteral("VLUNITARIO"), 2);
    VALTOTAL = numeric(QStringLiteral("VALTOTAL"), QStringLiteral("VLTOTAL"), 2);
    VALTOTAL->setFocusPolicy(Qt::ClickFocus);
    VALTOTAL->setStyleSheet(QStringLiteral("background: #FFFFE1;"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBanner(QStringLiteral("Lançamento de Produtos")));
    auto *grid = new QGridLayout;
    int row = 0;
    auto add = [&](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Raised);
        label->setMinimumWidth(150);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    add(QStringLiteral("Código do Produto"), DBEDIT1);
    add(QStringLiteral("Essência"), ESSENCIA);
    add(QStringLiteral("Unidade"), DBComboBox1);
    add(QStringLiteral("Comprimento"), COMPRIMENTO);
    add(QStringLiteral("Diametro"), DIAMETRO);
    add(QStringLiteral("Indice > 7,854"), INDICE);
    add(QStringLiteral("Total [M/3]"), QUANTIDADE);
    add(QStringLiteral("Valor Unitário"), VALUNITARIO);
    add(QStringLiteral("Valor Total"), VALTOTAL);
    grid->addWidget(DBEdit5, row, 1);
    grid->setColumnMinimumWidth(1, 220);
    layout->addLayout(grid);
    layout->addLayout(saveReturnButtons(BitBtn1, BitBtn3));

    setUpLines(dm->TROMANEIOTORO, DBEDIT1, BitBtn1, BitBtn3);
    writesCode(ESSENCIA, QStringLiteral("CODIGO"), QStringLiteral("CODESSENCIA"));
    onExit(INDICE, [this] { INDICEExit(); });
    onExit(VALUNITARIO, [this] { VALUNITARIOExit(); });
}

void TfrmRomaneiotorosprodutos::FormShow()
{
    reopen(dm->QEssencia, QStringLiteral("Select * from ESSENCIA Order by ESSENCIA"));
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
