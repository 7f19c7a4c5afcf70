#pragma once

#include "EntradaDetailWindow.h"

// One sawn-wood intake invoice of one supplier, its lines grouped by species (RepEntrada3).
class TfrmREntrada3 : public logs::EntradaDetailWindow
{
    Q_OBJECT
public:
    explicit TfrmREntrada3(data::TDM *dm, QWidget *parent = nullptr);
};
