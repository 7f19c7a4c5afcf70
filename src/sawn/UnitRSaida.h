#pragma once

#include "logs/EntradaListWindow.h"

// The sawn-wood sale invoices of a period (RepSaida).
class TfrmRSaida : public logs::EntradaListWindow
{
    Q_OBJECT
public:
    explicit TfrmRSaida(data::TDM *dm, QWidget *parent = nullptr);
};
