#pragma once

#include "EntradaListWindow.h"

// The list of sawn-wood intake invoices of a period (RepEntrada2).
class TfrmREntrada2 : public logs::EntradaListWindow
{
    Q_OBJECT
public:
    explicit TfrmREntrada2(data::TDM *dm, QWidget *parent = nullptr);
};
