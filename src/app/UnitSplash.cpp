#include "UnitSplash.h"

#include "Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TfrmSplash::TfrmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("TfrmSplash"));
    setWindowTitle(QStringLiteral("Tarvic - Software"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(452, 367);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Timer1->setSingleShot(true);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &QWidget::close);
    Timer1->start();
}

void TfrmSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, app::pictures::woodScene(size()));
    p.setPen(QPen(QColor(0x0b, 0x24, 0x18), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
    QFont f = font();
    f.setBold(true);
    f.setPointSize(12);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 12, width(), 30), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("...::Sistema de Controle Madeireiro::..."));
    f.setPointSize(20);
    p.setFont(f);
    p.setPen(QColor(0xf1, 0xfa, 0xee));
    p.drawText(QRect(0, 44, width(), 40), Qt::AlignHCenter, QStringLiteral("QUELVORA"));
    f.setPointSize(10);
    p.setFont(f);
    p.setPen(Qt::yellow);
    p.drawText(QRect(0, height() - 30, width() - 12, 22), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Aguarde, iniciando sistema..."));
}
