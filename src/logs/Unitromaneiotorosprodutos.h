#pragma once

#include "PackingListWindow.h"

#include "ui_Unitromaneiotorosprodutos.h"

namespace data { class TDM; }

// One log of a packing list, its volume from length, diameter and index.
class TfrmRomaneiotorosprodutos : public logs::PackingListLineWindow, public Ui::TfrmRomaneiotorosprodutos
{
    Q_OBJECT
public:
    explicit TfrmRomaneiotorosprodutos(data::TDM *dm, QWidget *parent = nullptr);

    void INDICEExit();
    void VALUNITARIOExit();
    void BitBtn1Click() override; // "&Gravar"
    void BitBtn3Click() override; // "&Retornar"

private:
    void writeRow(const QString &column, double value);

};
