#include "UnitCalculadora.h"

#include "core/Formats.h"

#include <QLocale>
#include <QPushButton>

TfrmCalculadora::TfrmCalculadora(QWidget *parent) : QDialog(parent)
{
    setupUi(this);
    QFont f = Display->font();
    f.setPointSize(f.pointSize() + 4);
    Display->setFont(f);
    for (QPushButton *b : findChildren<QPushButton *>()) {
        const QString key = b->text();
        connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
    }
}

void TfrmCalculadora::press(const QString &key)
{
    const QChar k = key.at(0);
    if (k.isDigit() || k == QLatin1Char(',')) {
        QString text = m_fresh ? QString() : Display->text();
        if (k == QLatin1Char(',') && text.contains(QLatin1Char(',')))
            return;
        text += k;
        if (text == QStringLiteral(","))
            text = QStringLiteral("0,");
        Display->setText(text);
        m_fresh = false;
    } else if (k == QLatin1Char('C')) {
        m_accumulator = 0;
        m_pending = QChar();
        Display->setText(QStringLiteral("0"));
        m_fresh = true;
    } else {
        evaluate();
        m_pending = k == QLatin1Char('=') ? QChar() : k;
        m_fresh = true;
    }
}

void TfrmCalculadora::evaluate()
{
    const double value = QLocale(QLocale::Portuguese, QLocale::Brazil).toDouble(Display->text());
    switch (m_pending.unicode()) {
    case '+': m_accumulator += value; break;
    case '-': m_accumulator -= value; break;
    case '*': m_accumulator *= value; break;
    case '/': m_accumulator = value == 0 ? 0 : m_accumulator / value; break;
    default: m_accumulator = value; break;
    }
    Display->setText(core::generalNumber(m_accumulator));
}
