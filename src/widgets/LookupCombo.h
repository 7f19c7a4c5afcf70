#pragma once

#include "FieldLink.h"
#include "data/DataSet.h"

#include <QComboBox>
#include <QPointer>

namespace data {
class DataSet;
class DataSetModel;
}

namespace widgets {

// The keys of a combo box's open list: Enter and Tab take the highlighted
// entry and move on to the next field (Shift+Tab to the previous one), Esc
// closes the list; typing finds an entry. With `dropDownOnEnter` the list
// opens whenever the combo box is entered.
void setListKeys(QComboBox *combo, bool dropDownOnEnter);

// A drop-down list of the rows of a list dataset (species, products,
// municipalities, suppliers...): shows listField, keeps keyField. Bound to a
// column it writes the chosen key there and follows the column's value.
// The list is a model over the dataset, so a list of 100,000 suppliers is
// read a page at a time, and choosing by key or by typed text asks the
// database (the list dataset's current row moves to the chosen one).
class DBLookupComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget *parent = nullptr);

    // Reads the list again whenever the list dataset is reopened or changes.
    void setListSource(data::DataSet *list, const QString &keyField, const QString &listField);
    void setDataSource(data::DataSource *source) { m_link->setDataSource(source); }
    void setDataField(const QString &field) { m_link->setDataField(field); }
    FieldLink *link() const { return m_link; }

    QVariant keyValue() const;             // null with nothing chosen
    void setKeyValue(const QVariant &key); // null chooses nothing
    QString listText() const { return currentIndex() >= 0 ? currentText() : QString(); }
    bool hasSelection() const { return currentIndex() >= 0; }
    // Every column of the chosen row, as the list dataset has it.
    QVariant listValue(const QString &field) const;
    void reload();
    // Opens the list whenever the control is entered.
    void setDropDownOnEnter(bool on) { setListKeys(this, on); }

signals:
    void keyChanged(const QVariant &key);

private:
    void refresh();

    FieldLink *m_link;
    QPointer<data::DataSet> m_list;
    QString m_keyField, m_listField;
    data::DataSetModel *m_model = nullptr;
    QVariant m_key; // the chosen key, kept across reloads of the list
    bool m_loading = false;
};

// A drop-down list of fixed texts bound to a text column.
class DBComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DBComboBox(QWidget *parent = nullptr);
    void setDataSource(data::DataSource *source) { m_link->setDataSource(source); }
    void setDataField(const QString &field) { m_link->setDataField(field); }
    FieldLink *link() const { return m_link; }
    void setDropDownOnEnter(bool on) { setListKeys(this, on); }

private:
    void refresh();
    FieldLink *m_link;
    bool m_loading = false;
};

} // namespace widgets
