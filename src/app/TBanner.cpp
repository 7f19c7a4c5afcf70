#include "TBanner.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTimer>

TBanner::TBanner(const QString &text, QWidget *parent) : QWidget(parent), m_text(text), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("Banner1"));
    const QString hint = QStringLiteral("Clique aqui para obter informações detalhadas sobre o sistema.");
    setToolTip(hint);
    setStatusTip(hint);
    setAccessibleName(text);
    setCursor(Qt::PointingHandCursor);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_offset += 2;
        update();
    });
    m_timer->start();
}

QSize TBanner::sizeHint() const
{
    QFont f = font();
    f.setBold(true);
    return QSize(200, QFontMetrics(f).height() + 6);
}

void TBanner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 0, 0x80));
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0xff, 0));
    const int textWidth = QFontMetrics(f).horizontalAdvance(m_text) + 80;
    const int span = width() + textWidth;
    const int x = width() - (m_offset % span);
    p.drawText(QRect(x, 0, textWidth, height()), Qt::AlignVCenter | Qt::AlignLeft, m_text);
}

void TBanner::mousePressEvent(QMouseEvent *)
{
    emit clicked();
}
