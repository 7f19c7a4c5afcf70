#pragma once

#include "logs/EntradaListWindow.h"
#include "ui_UnitRRendimento.h"

// The sawing yield of a period against the coefficient (RepRendimento).
class TfrmRRendimento : public logs::EntradaListWindow
{
    Q_OBJECT
public:
    explicit TfrmRRendimento(data::TDM *dm, QWidget *parent = nullptr);

private:
    Ui::TfrmRRendimento ui;
};
