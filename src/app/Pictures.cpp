#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace app::pictures {

namespace {

void drawLogEnd(QPainter &p, const QPointF &c, qreal r)
{
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(0xe9, 0xc9, 0x8b));
    g.setColorAt(0.8, QColor(0xc8, 0x95, 0x52));
    g.setColorAt(1, QColor(0x6b, 0x42, 0x1e));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x4a, 0x2c, 0x12), 1.5));
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x9c, 0x6b, 0x35, 160), 1));
    for (qreal k = 0.25; k < 0.9; k += 0.2)
        p.drawEllipse(c, r * k, r * k);
}

} // namespace

QPixmap woodScene(const QSize &size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x12, 0x3a, 0x2a));
    sky.setColorAt(1, QColor(0x2f, 0x6b, 0x3f));
    p.fillRect(pm.rect(), sky);
    // A stack of logs seen from their ends.
    const qreal r = size.height() / 9.0;
    const qreal baseY = size.height() - r * 1.4;
    int row = 0;
    for (int n = 5; n > 0 && row < 4; n -= 1, ++row) {
        const qreal y = baseY - row * r * 1.75;
        const qreal x0 = size.width() / 2.0 - (n - 1) * r;
        for (int i = 0; i < n; ++i)
            drawLogEnd(p, QPointF(x0 + i * 2 * r, y), r * 0.95);
    }
    return pm;
}

QPixmap heading(const QSize &size, const QString &title)
{
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, size.width(), 0);
    g.setColorAt(0, QColor(0x1d, 0x35, 0x57));
    g.setColorAt(1, QColor(0x45, 0x7b, 0x9d));
    p.fillRect(pm.rect(), g);
    const qreal r = size.height() * 0.32;
    drawLogEnd(p, QPointF(size.height() * 0.55, size.height() / 2.0), r);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(qMax(12, size.height() / 3));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(int(size.height() * 1.1), 0, size.width(), size.height()), Qt::AlignVCenter, title);
    return pm;
}

QIcon appIcon()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    drawLogEnd(p, QPointF(32, 32), 29);
    return QIcon(pm);
}

} // namespace app::pictures
