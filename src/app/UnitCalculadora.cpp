#include "UnitCalculadora.h"

#include "core/Formats.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

TfrmCalculadora::TfrmCalculadora(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmCalculadora"));
    setWindowTitle(QStringLiteral("Calculadora"));
    Display = new QLineEdit(QStringLiteral("0"), this);
    Display->setObjectName(QStringLiteral("Display"));
    Display->setReadOnly(true);
    Display->setAlignment(Qt::AlignRight);
    Display->setAccessibleName(QStringLiteral("Resultado"));
    QFont f = Display->font();
    f.setPointSize(f.pointSize() + 4);
    Display->setFont(f);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Display, 0, 0, 1, 4);
    const char *keys[] = {"7", "8", "9", "/", "4", "5", "6", "*", "1", "2", "3", "-", "0", ",", "=", "+"};
    for (int i = 0; i < 16; ++i) {
        const QString key = QString::fromLatin1(keys[i]);
        auto *b = new QPushButton(key, this);
        b->setAutoDefault(false);
        b->setMinimumSize(44, 36);
        connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
        grid->addWidget(b, 1 + i / 4, i % 4);
    }
    auto *clear = new QPushButton(QStringLiteral("C"), this);
    clear->setAutoDefault(false);
    connect(clear, &QPushButton::clicked, this, [this] { press(QStringLiteral("C")); });
    grid->addWidget(clear, 5, 0, 1, 4);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
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
