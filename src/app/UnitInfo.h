#pragma once

#include "ui_UnitInfo.h"

#include <QDialog>

namespace data { class TDM; }

// The release notes, newest first, and a tour of the menus (form UnitInfo.ui).
class TfrmInfo : public QDialog, public Ui::TfrmInfo
{
    Q_OBJECT
public:
    explicit TfrmInfo(data::TDM *dm, QWidget *parent = nullptr);


    static QString releaseNotes();

protected:
    // Only "&Retornar" closes the window; Esc does not.
    void keyPressEvent(QKeyEvent *event) override;
};
