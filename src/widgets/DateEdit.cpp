#include "DateEdit.h"

#include "Prompter.h"
#include "core/Dates.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDateTime>
#include <QMenu>
#include <QStyle>
#include <QWidgetAction>

namespace widgets {

DateEdit::DateEdit(QWidget *parent) : QLineEdit(parent), m_link(new FieldLink(this))
{
    // Empty shows as "00/00/0000", which the user types over.
    setInputMask(QStringLiteral("00/00/0000;_"));
    setText(core::kEmptyDateText);
    m_calendarAction = addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView), QLineEdit::TrailingPosition);
    m_calendarAction->setToolTip(QStringLiteral("Calendário"));
    connect(m_calendarAction, &QAction::triggered, this, &DateEdit::showCalendar);
    connect(m_link, &FieldLink::refreshNeeded, this, &DateEdit::refresh);
    connect(this, &QLineEdit::textEdited, this, &DateEdit::typed);
}

QDate DateEdit::date() const
{
    return core::dateFromText(text());
}

bool DateEdit::isEmptyDate() const
{
    return core::isEmptyDateText(text());
}

void DateEdit::setDate(const QDate &d)
{
    setText(core::dateToText(d, core::kEmptyDateText));
    typed();
}

void DateEdit::refresh()
{
    if (m_link->isWriting() || !m_link->isBound())
        return;
    const QVariant v = m_link->value();
    const QString text = core::dateToText(v.isNull() ? QDate() : v.toDateTime().date(), core::kEmptyDateText);
    if (text != this->text())
        setText(text);
}

void DateEdit::typed()
{
    const QDate d = date();
    if (m_link->isActive()) {
        if (d.isValid())
            guarded(this, [&] { m_link->setValue(d.startOfDay()); });
        else if (isEmptyDate() && !m_link->value().isNull())
            guarded(this, [&] { m_link->setValue(QVariant()); });
    }
    emit dateChanged(d);
}

void DateEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (isEmptyDate() && text() != core::kEmptyDateText)
        setText(core::kEmptyDateText);
}

void DateEdit::showCalendar()
{
    QMenu popup(this);
    auto *calendar = new QCalendarWidget(&popup);
    calendar->setSelectedDate(date().isValid() ? date() : QDate::currentDate());
    auto *action = new QWidgetAction(&popup);
    action->setDefaultWidget(calendar);
    popup.addAction(action);
    connect(calendar, &QCalendarWidget::activated, &popup, [&](const QDate &d) {
        setDate(d);
        popup.close();
    });
    connect(calendar, &QCalendarWidget::clicked, &popup, [&](const QDate &d) {
        setDate(d);
        popup.close();
    });
    popup.exec(mapToGlobal(QPoint(0, height())));
}

} // namespace widgets
