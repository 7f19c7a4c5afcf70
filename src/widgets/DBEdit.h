#pragma once

#include "FieldLink.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace widgets {

enum class CharCase { Normal, Upper, Lower };

// A line edit bound to a column: shows the current row's value, writes what
// is typed (starting the row's edit), forces upper or lower case, and takes
// its maximum length from the column.
class DBEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);
    DBEdit(data::DataSource *source, const QString &field, QWidget *parent = nullptr);

    void setDataSource(data::DataSource *source) { m_link->setDataSource(source); }
    void setDataSet(data::DataSet *dataSet) { m_link->setDataSet(dataSet); }
    void setDataField(const QString &field) { m_link->setDataField(field); }
    FieldLink *link() const { return m_link; }

    void setCharCase(CharCase c) { m_case = c; }
    CharCase charCase() const { return m_case; }

    // Shows the column's value again.
    void refresh();

private:
    void typed(const QString &text);

    FieldLink *m_link;
    CharCase m_case = CharCase::Normal;
};

// A bound edit on `page` named after its column, in the given case, with a
// fixed width when one is given.
DBEdit *makeDBEdit(data::DataSource *source, QWidget *page, const QString &field, CharCase charCase,
                   int width = 0);

// A multi-line text bound to a column.
class DBMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit DBMemo(QWidget *parent = nullptr);
    FieldLink *link() const { return m_link; }
    void setDataSource(data::DataSource *source) { m_link->setDataSource(source); }
    void setDataField(const QString &field) { m_link->setDataField(field); }
    void setCharCase(CharCase c) { m_case = c; }

private:
    void refresh();
    FieldLink *m_link;
    CharCase m_case = CharCase::Normal;
    bool m_loading = false;
};

// A read-only label that shows a column with its display format.
class DBText : public QLabel
{
    Q_OBJECT
public:
    explicit DBText(QWidget *parent = nullptr);
    FieldLink *link() const { return m_link; }
    void setDataSource(data::DataSource *source) { m_link->setDataSource(source); }
    void setDataField(const QString &field) { m_link->setDataField(field); }

private:
    void refresh();
    FieldLink *m_link;
};

// A password edit that shows "*" for every character, whatever the style.
void setStarEcho(QLineEdit *edit);

} // namespace widgets
