#pragma once

#include "logs/EntradaListWindow.h"

// The production of a period by species (RepProducao).
class TfrmRProducao : public logs::EntradaListWindow
{
    Q_OBJECT
public:
    explicit TfrmRProducao(data::TDM *dm, QWidget *parent = nullptr);
};
