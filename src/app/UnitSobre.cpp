#include "UnitSobre.h"

#include "Contacts.h"
#include "Pictures.h"
#include "core/BancoRecord.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

TfrmSobre::TfrmSobre(data::TDM *, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("TfrmSobre"));
    setWindowTitle(QStringLiteral("Sobre o Sistema"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(app::pictures::woodScene(QSize(420, 180)));
    Image1->setToolTip(QStringLiteral("Clique para fechar"));
    Image1->installEventFilter(this);

    auto *title = new QLabel(QStringLiteral("<b>QUELVORA - SISTEMA DE CONTROLE MADEIREIRO</b><br>Versão 4.0"), this);
    title->setAlignment(Qt::AlignCenter);
    auto *maker = new QLabel(app::contacts::kContactLine, this);
    maker->setWordWrap(true);
    maker->setAlignment(Qt::AlignCenter);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("background: black; color: lime; font-weight: bold; padding: 2px;"));
    Label1->setAccessibleName(QStringLiteral("Banco de Dados"));

    // Read once, when the window is made.
    auto settings = core::openUserSettings();
    if (auto record = core::readBanco(*settings))
        m_text = record->aboutText() + QString(61, QLatin1Char(' '));
    else
        m_text = QStringLiteral("bd") + QString(61, QLatin1Char(' '));
    Label1->setText(m_text);
    Label1->setMinimumWidth(420);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Image1);
    layout->addWidget(title);
    layout->addWidget(maker);
    layout->addWidget(Label1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

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
