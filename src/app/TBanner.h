#pragma once

#include <QString>
#include <QWidget>

class QTimer;

// The scrolling line at the bottom with the maker's contacts.
class TBanner : public QWidget
{
    Q_OBJECT
public:
    explicit TBanner(const QString &text, QWidget *parent = nullptr);
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString m_text;
    int m_offset = 0;
    QTimer *m_timer;
};
