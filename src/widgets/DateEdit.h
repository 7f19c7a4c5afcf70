#pragma once

#include "FieldLink.h"

#include <QDate>
#include <QLineEdit>

class QCalendarWidget;

namespace widgets {

// A day/month/year edit with a calendar button; "00/00/0000" when empty.
// Bound to a TIMESTAMP column it writes the date once the text is a real
// date, and nothing (NULL) for the empty text.
class DateEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DateEdit(QWidget *parent = nullptr);

    QDate date() const;           // null when empty or impossible
    void setDate(const QDate &date);
    void clearDate() { setDate(QDate()); }
    bool isEmptyDate() const;
    bool isValidDate() const { return date().isValid(); }

    void setDataSource(data::DataSource *source) { m_link->setDataSource(source); }
    void setDataSet(data::DataSet *dataSet) { m_link->setDataSet(dataSet); }
    void setDataField(const QString &field) { m_link->setDataField(field); }
    FieldLink *link() const { return m_link; }

    void showCalendar();

signals:
    void dateChanged(const QDate &date);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void refresh();
    void typed();

    FieldLink *m_link;
    QAction *m_calendarAction;
};

} // namespace widgets
