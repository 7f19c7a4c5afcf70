#include "LookupCombo.h"

#include "Prompter.h"
#include "data/DataSet.h"

namespace widgets {

DBLookupComboBox::DBLookupComboBox(QWidget *parent) : QComboBox(parent), m_link(new FieldLink(this))
{
    setEditable(false);
    connect(m_link, &FieldLink::refreshNeeded, this, &DBLookupComboBox::refresh);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, [this] {
        const QVariant key = keyValue();
        if (m_link->isActive())
            guarded(this, [&] { m_link->setValue(key); });
        emit keyChanged(key);
    });
}

void DBLookupComboBox::setListSource(data::DataSet *list, const QString &keyField, const QString &listField)
{
    if (m_list)
        disconnect(m_list, nullptr, this, nullptr);
    m_list = list;
    m_keyField = keyField;
    m_listField = listField;
    if (m_list) {
        connect(m_list, &data::DataSet::dataReset, this, &DBLookupComboBox::reload);
        connect(m_list, &data::DataSet::activeChanged, this, &DBLookupComboBox::reload);
    }
    reload();
}

void DBLookupComboBox::reload()
{
    const QVariant chosen = keyValue();
    m_loading = true;
    clear();
    m_rows.clear();
    if (m_list && m_list->isActive()) {
        const int n = m_list->recordCount();
        const int keyCol = m_list->fieldIndex(m_keyField);
        const int listCol = m_list->fieldIndex(m_listField);
        const int cols = int(m_list->fields().size());
        for (int row = 0; row < n; ++row) {
            QVector<QVariant> values(cols);
            for (int c = 0; c < cols; ++c)
                values[c] = m_list->valueAt(row, c);
            addItem(values.value(listCol).toString(), values.value(keyCol));
            m_rows << values;
        }
    }
    setCurrentIndex(-1);
    m_loading = false;
    if (m_link->isBound())
        refresh();
    else
        setKeyValue(chosen);
}

QVariant DBLookupComboBox::keyValue() const
{
    return currentIndex() >= 0 ? currentData() : QVariant();
}

void DBLookupComboBox::setKeyValue(const QVariant &key)
{
    int index = -1;
    if (!key.isNull()) {
        for (int i = 0; i < count(); ++i) {
            const QVariant d = itemData(i);
            const bool numeric = d.typeId() == QMetaType::Int || d.typeId() == QMetaType::Double
                                 || d.typeId() == QMetaType::LongLong;
            if (numeric ? d.toDouble() == key.toDouble() : d.toString() == key.toString()) {
                index = i;
                break;
            }
        }
    }
    setCurrentIndex(index);
}

QVariant DBLookupComboBox::listValue(const QString &field) const
{
    if (!m_list || currentIndex() < 0 || currentIndex() >= m_rows.size())
        return {};
    return m_rows[currentIndex()].value(m_list->fieldIndex(field));
}

void DBLookupComboBox::refresh()
{
    if (m_loading || m_link->isWriting() || !m_link->isBound())
        return;
    setKeyValue(m_link->value());
}

DBComboBox::DBComboBox(QWidget *parent) : QComboBox(parent), m_link(new FieldLink(this))
{
    connect(m_link, &FieldLink::refreshNeeded, this, &DBComboBox::refresh);
    connect(this, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        if (m_loading || !m_link->isActive())
            return;
        guarded(this, [&] { m_link->setValue(text.isEmpty() ? QVariant() : QVariant(text)); });
    });
}

void DBComboBox::refresh()
{
    if (m_link->isWriting())
        return;
    m_loading = true;
    const QString text = m_link->value().toString();
    const int i = findText(text);
    if (isEditable())
        setEditText(text);
    else
        setCurrentIndex(i);
    m_loading = false;
}

} // namespace widgets
