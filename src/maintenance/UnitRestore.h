#pragma once

#include "ServiceWindow.h"
#include "ui_UnitRestore.h"

// Rebuilds a database from a backup file. The program's connection is
// closed while the window works and made again after a restore.
class TfrmRestore : public maintenance::ServiceWindow, public Ui::TfrmRestore
{
    Q_OBJECT
public:
    explicit TfrmRestore(data::TDM *dm, QWidget *parent = nullptr);

    void BitBtn1Click(); // "Restaurar"
};
