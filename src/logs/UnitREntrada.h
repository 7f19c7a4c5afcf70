#pragma once

#include "EntradaListWindow.h"

// The list of log intake invoices of a period (RepEntrada).
class TfrmREntrada : public logs::EntradaListWindow
{
    Q_OBJECT
public:
    explicit TfrmREntrada(data::TDM *dm, QWidget *parent = nullptr);
};
