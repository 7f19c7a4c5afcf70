#pragma once

#include "ServiceWindow.h"

#include <QDate>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Copies the database to the day's backup file in a folder, through the
// service manager of the engine or server that holds it.
class TfrmBackup : public maintenance::ServiceWindow
{
    Q_OBJECT
public:
    explicit TfrmBackup(data::TDM *dm, QWidget *parent = nullptr);

    QLineEdit *febanco;
    QLineEdit *deBackup;
    QPlainTextEdit *mmBackup;
    QPushButton *BitBtn1, *BitBtn2;

    void FormShow();
    void BitBtn1Click(); // "&Backup"
    void BitBtn2Click(); // "&Retornar"

    // The file the backup goes to, with the day taken when the window was shown.
    QString backupFile() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QDate m_day;
};
