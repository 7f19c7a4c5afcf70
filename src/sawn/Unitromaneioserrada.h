#pragma once

#include "logs/PackingListWindow.h"

#include "ui_Unitromaneioserrada.h"

namespace data { class TDM; }

// Sawn-wood packing list: the pieces of a load sent to a client, one row of
// ROMANEIO_SERRADA per line; a list is the rows of one number and one client.
class TfrmRomaneioserrada : public logs::PackingListWindow
{
    Q_OBJECT
public:
    explicit TfrmRomaneioserrada(data::TDM *dm, QWidget *parent = nullptr);

private:
    Ui::TfrmRomaneioserrada ui;
};
