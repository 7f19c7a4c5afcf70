#pragma once

#include "EntradaDetailWindow.h"

// One log intake invoice of one supplier, its lines grouped by species (RepEntrada1).
class TfrmREntrada1 : public logs::EntradaDetailWindow
{
    Q_OBJECT
public:
    explicit TfrmREntrada1(data::TDM *dm, QWidget *parent = nullptr);
};
