#pragma once

#include "ServiceWindow.h"
#include "ui_UnitBackup.h"

#include <QDate>

// Copies the database to the day's backup file in a folder, through the
// service manager of the engine or server that holds it.
class TfrmBackup : public maintenance::ServiceWindow, public Ui::TfrmBackup
{
    Q_OBJECT
public:
    explicit TfrmBackup(data::TDM *dm, QWidget *parent = nullptr);

    void FormShow();
    void BitBtn1Click(); // "&Backup"

    // The file the backup goes to, with the day taken when the window was shown.
    QString backupFile() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QDate m_day;
};
