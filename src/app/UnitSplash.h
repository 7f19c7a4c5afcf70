#pragma once

#include <QWidget>

class QTimer;

// The borderless start-up picture. Its timer closes it, and a timer only
// fires when events are processed, so it stays up through the whole
// creation of the windows.
class TfrmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);

    QTimer *Timer1;

protected:
    void paintEvent(QPaintEvent *event) override;
};
