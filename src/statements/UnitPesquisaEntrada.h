#pragma once

#include "widgets/PickerWindow.h"

namespace data {
class TDM;
}

// The supplier picker: lists FORNECEDOR through QFornecedor and hands the
// chosen supplier back to the window that opened it. "&Selecionar" closes
// as a choice even on an empty list; "&Retornar" closes the list.
class TfrmPesquisa : public widgets::PickerWindow
{
    Q_OBJECT
public:
    explicit TfrmPesquisa(data::TDM *dm, QWidget *parent = nullptr);
};
