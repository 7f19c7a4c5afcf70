#pragma once

#include <QObject>
#include <QPointer>
#include "data/DataSet.h"
#include <QString>
#include <QVariant>

namespace data {
class DataSet;
class DataSource;
struct Field;
}

namespace widgets {

// Ties one control to one column of a dataset's current row: tells the
// control when to show the value again, and writes what the user typed.
class FieldLink : public QObject
{
    Q_OBJECT
public:
    explicit FieldLink(QObject *owner);

    void setDataSource(data::DataSource *source);
    void setDataSet(data::DataSet *dataSet);
    void setDataField(const QString &field);
    data::DataSet *dataSet() const { return m_dataSet; }
    QString dataField() const { return m_field; }
    bool isBound() const { return m_dataSet && !m_field.isEmpty(); }
    bool isActive() const;
    // The column's description once the dataset knows its columns.
    const data::Field *field() const;

    QVariant value() const;
    // Writes into the row (starting its edit); ignored while the dataset is closed.
    void setValue(const QVariant &value);
    bool isWriting() const { return m_writing; }

signals:
    // The value shown may be stale: the row moved, was reloaded, or the column
    // was set by code.
    void refreshNeeded();

private:
    void attach();

    QPointer<data::DataSet> m_dataSet;
    QString m_field;
    bool m_writing = false;
};

} // namespace widgets
