#pragma once

#include "logs/EntradaDetailWindow.h"

// The lines of one sawn-wood sale invoice, chosen by client and number
// (RepSaida1). The client comes from the client picker.
class TfrmRSaida1 : public logs::EntradaDetailWindow
{
    Q_OBJECT
public:
    explicit TfrmRSaida1(data::TDM *dm, QWidget *parent = nullptr);

protected:
    void picked(const widgets::PickedRow &row) override;
};
