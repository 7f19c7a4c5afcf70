#pragma once

#include "logs/EntradaListWindow.h"
#include "ui_UnitRSaida.h"

// The sawn-wood sale invoices of a period (RepSaida).
class TfrmRSaida : public logs::EntradaListWindow
{
    Q_OBJECT
public:
    explicit TfrmRSaida(data::TDM *dm, QWidget *parent = nullptr);

private:
    Ui::TfrmRSaida ui;
};
