#pragma once

#include "logs/EntradaListWindow.h"

// The sawing yield of a period against the coefficient (RepRendimento).
class TfrmRRendimento : public logs::EntradaListWindow
{
    Q_OBJECT
public:
    explicit TfrmRRendimento(data::TDM *dm, QWidget *parent = nullptr);
};
