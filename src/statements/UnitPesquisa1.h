#pragma once

#include "widgets/PickerWindow.h"

namespace data {
class TDM;
}

// The product picker: lists PRODUTO through QProduto and hands the chosen
// product (its NOMEGRAU and FATOR) back. Closing closes the list.
class TfrmPesquisa1 : public widgets::PickerWindow
{
    Q_OBJECT
public:
    explicit TfrmPesquisa1(data::TDM *dm, QWidget *parent = nullptr);

    void done(int result) override;

private:
    data::TDM *dm;
};
