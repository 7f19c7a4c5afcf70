#include "UnitSobre.h"

#include "Contacts.h"
#include "Pictures.h"
#include "core/BancoRecord.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSettings>
#include <QTimer>

TfrmSobre::TfrmSobre(data::TDM *, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_timer(new QTimer(this))
{
    setupUi(this);
    Image1->setPixmap(app::pictures::woodScene(QSize(420, 180)));
    Image1->installEventFilter(this);
    Label3->setText(app::contacts::kContactLine);

    // Read once, when the window is made.
    auto settings = core::openUserSettings();
    if (auto record = core::readBanco(*settings))
        m_text = record->aboutText() + QString(61, QLatin1Char(' '));
    else
        m_text = QStringLiteral("bd") + QString(61, QLatin1Char(' '));
    Label1->setText(m_text);

    m_timer->setInterval(150);
    connect(m_timer, &QTimer::timeout, this, &TfrmSobre::scroll);
}

void TfrmSobre::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QApplication::beep();
    m_timer->start();
}

void TfrmSobre::scroll()
{
    if (!isVisible()) {
        m_timer->stop();
        return;
    }
    m_offset = (m_offset + 1) % qMax(1, int(m_text.size()));
    Label1->setText(m_text.mid(m_offset) + m_text.left(m_offset));
}

bool TfrmSobre::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
