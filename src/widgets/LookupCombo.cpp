#include "LookupCombo.h"

#include "Prompter.h"
#include "data/DataSet.h"
#include "data/DataSetModel.h"
#include "MovementWindow.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>

namespace widgets {

namespace {

// Sits on the list view of a combo box's pop-up, before the combo box's own
// handling, so that the keyboard always gets out of the list.
class ListKeys : public QObject
{
public:
    explicit ListKeys(QComboBox *combo) : QObject(combo), m_combo(combo)
    {
        combo->view()->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        enum { None, Next, Previous, Close } action = None;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            action = Next;
            break;
        case Qt::Key_Tab:
            action = shift ? Previous : Next;
            break;
        case Qt::Key_Backtab:
            action = Previous;
            break;
        case Qt::Key_Escape:
            action = Close;
            break;
        default:
            return false;
        }
        // Claimed before any shortcut (a default or cancel button) sees it.
        event->accept();
        if (type == QEvent::ShortcutOverride)
            return true;
        if (action == Close) {
            m_combo->hidePopup();
            return true;
        }
        choose();
        QKeyEvent move(QEvent::KeyPress, action == Next ? Qt::Key_Tab : Qt::Key_Backtab,
                       action == Next ? Qt::NoModifier : Qt::ShiftModifier);
        QCoreApplication::sendEvent(m_combo, &move);
        return true;
    }

private:
    // What a click on the highlighted entry does.
    void choose()
    {
        const QModelIndex current = m_combo->view()->currentIndex();
        m_combo->hidePopup();
        if (!current.isValid() || !(current.flags() & Qt::ItemIsEnabled))
            return;
        const int row = current.row();
        m_combo->setCurrentIndex(row);
        emit m_combo->activated(row);
        emit m_combo->textActivated(m_combo->itemText(row));
    }

    QComboBox *m_combo;
};

} // namespace

void setListKeys(QComboBox *combo, bool dropDownOnEnter)
{
    if (!combo->property("_listKeys").toBool()) {
        combo->setProperty("_listKeys", true);
        new ListKeys(combo);
    }
    if (!dropDownOnEnter || combo->property("_dropDownOnEnter").toBool())
        return;
    combo->setProperty("_dropDownOnEnter", true);
    onEnter(combo, [combo] {
        // Once the focus has settled: a click opens the list by itself.
        QMetaObject::invokeMethod(combo, [combo] {
            if (combo->hasFocus() && !combo->view()->isVisible())
                combo->showPopup();
        }, Qt::QueuedConnection);
    });
}

DBLookupComboBox::DBLookupComboBox(QWidget *parent) : QComboBox(parent), m_link(new FieldLink(this))
{
    setEditable(false);
    // Sizing to the contents would read every row of the list.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(20);
    setListKeys(this, false);
    connect(m_link, &FieldLink::refreshNeeded, this, &DBLookupComboBox::refresh);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, [this] {
        m_key = keyValue();
        if (m_link->isActive())
            guarded(this, [&] { m_link->setValue(m_key); });
        emit keyChanged(m_key);
    });
}

void DBLookupComboBox::setListSource(data::DataSet *list, const QString &keyField, const QString &listField)
{
    if (m_list)
        disconnect(m_list, nullptr, this, nullptr);
    m_list = list;
    m_keyField = keyField;
    m_listField = listField;
    delete m_model;
    m_model = nullptr;
    if (m_list) {
        m_model = new data::DataSetModel(m_list, this);
        connect(m_list, &data::DataSet::dataReset, this, &DBLookupComboBox::reload);
        connect(m_list, &data::DataSet::activeChanged, this, &DBLookupComboBox::reload);
        m_loading = true;
        setModel(m_model);
        m_loading = false;
    }
    reload();
}

void DBLookupComboBox::reload()
{
    if (!m_model)
        return;
    m_loading = true;
    // The model column is the list field's position among the list's columns.
    if (m_list->isActive() && m_list->hasField(m_listField))
        setModelColumn(m_list->fieldIndex(m_listField));
    m_loading = false;
    if (m_link->isBound())
        refresh();
    else
        setKeyValue(m_key);
}

QVariant DBLookupComboBox::keyValue() const
{
    if (!m_list || !m_list->isActive() || currentIndex() < 0)
        return {};
    return m_list->valueAt(currentIndex(), m_list->fieldIndex(m_keyField));
}

void DBLookupComboBox::setKeyValue(const QVariant &key)
{
    m_key = key;
    int index = -1;
    if (!key.isNull() && m_list && m_list->isActive()) {
        // The current row of the list may already be the one.
        const int row = m_list->recNo();
        const QVariant here = row >= 0 ? m_list->valueAt(row, m_list->fieldIndex(m_keyField)) : QVariant();
        auto same = [&](const QVariant &v) {
            const bool numeric = v.typeId() == QMetaType::Int || v.typeId() == QMetaType::Double
                                 || v.typeId() == QMetaType::LongLong;
            return !v.isNull() && (numeric ? v.toDouble() == key.toDouble() : v.toString() == key.toString());
        };
        if (same(here))
            index = row;
        else if (guarded(this, [&] { m_list->locate(m_keyField, key, {false, false}); }) && same(m_list->value(m_keyField)))
            index = m_list->recNo();
    }
    m_loading = true;
    setCurrentIndex(index);
    m_loading = false;
}

QVariant DBLookupComboBox::listValue(const QString &field) const
{
    if (!m_list || !m_list->isActive() || currentIndex() < 0)
        return {};
    return m_list->valueAt(currentIndex(), m_list->fieldIndex(field));
}

void DBLookupComboBox::refresh()
{
    if (m_loading || m_link->isWriting() || !m_link->isBound())
        return;
    setKeyValue(m_link->value());
}

DBComboBox::DBComboBox(QWidget *parent) : QComboBox(parent), m_link(new FieldLink(this))
{
    setListKeys(this, false);
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
