#pragma once

#include "PackingListWindow.h"

#include "ui_Unitromaneiotoro.h"

namespace data { class TDM; }

// Log packing list: the logs of a load sent to a client, one row of
// ROMANEIO_TORO per log; a list is the rows of one number and one client.
class TfrmRomaneiotoro : public logs::PackingListWindow
{
    Q_OBJECT
public:
    explicit TfrmRomaneiotoro(data::TDM *dm, QWidget *parent = nullptr);

    // The hidden edits bound to the current row's client, number and date.
    widgets::DBEdit *EditFax, *nota1, *data1;

private:
    Ui::TfrmRomaneiotoro ui;
};
