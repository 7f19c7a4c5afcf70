#pragma once

#include "ServiceWindow.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Rebuilds a database from a backup file. The program's connection is
// closed while the window works and made again after a restore.
class TfrmRestore : public maintenance::ServiceWindow
{
    Q_OBJECT
public:
    explicit TfrmRestore(data::TDM *dm, QWidget *parent = nullptr);

    QLineEdit *feRestaurar;
    QLineEdit *feRestBanco;
    QPlainTextEdit *mmRestaurar;
    QPushButton *BitBtn1, *BitBtn2;

    void BitBtn1Click(); // "&Restaurar"
    void BitBtn2Click(); // "&Retornar"
};
