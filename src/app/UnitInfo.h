#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
namespace data { class TDM; }

// The release notes, newest first, and a tour of the menus.
class TfrmInfo : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmInfo(data::TDM *dm, QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1; // "&Retornar"

    static QString releaseNotes();

protected:
    // Only "&Retornar" closes the window; Esc does not.
    void keyPressEvent(QKeyEvent *event) override;
};
