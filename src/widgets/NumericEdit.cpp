#include "NumericEdit.h"

#include "Prompter.h"
#include "core/Formats.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>

#include <cmath>

namespace widgets {

NumericEdit::NumericEdit(QWidget *parent, int decimals)
    : QLineEdit(parent), m_link(new FieldLink(this)), m_decimals(decimals)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9.]*,?[0-9]*")), this));
    connect(m_link, &FieldLink::refreshNeeded, this, &NumericEdit::refresh);
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (m_link->isActive())
            guarded(this, [&] { m_link->setValue(value()); });
    });
    reformat();
}

void NumericEdit::setDecimals(int decimals)
{
    m_decimals = decimals;
    reformat();
}

void NumericEdit::setZeroPadding(int digits)
{
    m_padding = digits;
    m_decimals = 0;
    m_thousands = false;
    setMaxLength(digits);
    reformat();
}

QString NumericEdit::shownText(double v, bool focused) const
{
    if (m_padding > 0)
        return core::formatFloat(QString(m_padding, QLatin1Char('0')), v);
    QString pattern = (m_thousands && !focused) ? QStringLiteral("#,##0") : QStringLiteral("0");
    if (m_decimals > 0)
        pattern += QLatin1Char('.') + QString(m_decimals, QLatin1Char('0'));
    return core::formatFloat(pattern, v);
}

double NumericEdit::value() const
{
    const double v = core::editValue(text());
    const double scale = std::pow(10.0, m_decimals);
    return std::round(v * scale) / scale;
}

void NumericEdit::setValue(double v)
{
    setText(shownText(v, hasFocus()));
    emit valueChanged(value());
}

void NumericEdit::reformat()
{
    setText(shownText(value(), hasFocus()));
}

void NumericEdit::refresh()
{
    if (m_link->isWriting() || !m_link->isBound())
        return;
    setText(shownText(m_link->value().toDouble(), hasFocus()));
}

void NumericEdit::commit()
{
    const double v = value();
    setText(shownText(v, hasFocus()));
    if (m_link->isActive())
        guarded(this, [&] {
            const QVariant stored = m_link->value();
            // Passing through an empty field leaves it alone, and so does
            // passing through one whose value merely has more decimals than
            // it shows: a result written unrounded stays unrounded.
            const bool unchanged = stored.isNull() ? v == 0.0
                                                   : shownText(stored.toDouble(), false) == shownText(v, false);
            if (!unchanged)
                m_link->setValue(v);
        });
    emit valueChanged(v);
}

void NumericEdit::focusInEvent(QFocusEvent *event)
{
    setText(shownText(value(), true));
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason)
        selectAll();
}

void NumericEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    commit();
    setText(shownText(value(), false));
}

NumericEdit *makeNumericEdit(const QString &objectName, data::DataSource *source, const QString &field,
                             int decimals)
{
    auto *e = new NumericEdit(nullptr, decimals);
    e->setObjectName(objectName);
    if (!field.isEmpty()) {
        e->setDataSource(source);
        e->setDataField(field);
    }
    return e;
}

} // namespace widgets
