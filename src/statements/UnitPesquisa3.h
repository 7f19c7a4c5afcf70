#pragma once

#include "widgets/PickerWindow.h"

namespace data {
class TDM;
}

// The client picker: lists CREDOR through QCredor and hands the chosen
// client back to the window that opened it, which copies its columns as
// text. Closing without a choice leaves the list open; a caller that wants
// it closed (the packing lists) closes it.
class TfrmPesquisa3 : public widgets::PickerWindow
{
    Q_OBJECT
public:
    explicit TfrmPesquisa3(data::TDM *dm, QWidget *parent = nullptr);
};
