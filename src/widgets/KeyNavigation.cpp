#include "KeyNavigation.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTextEdit>
#include <QTreeView>

namespace widgets {

namespace {

enum class Kind { Edit, Combo, List, Radio, Check, Button, Other };

const QComboBox *owningCombo(const QWidget *w)
{
    // An editable combo box's line edit speaks for the combo box.
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo;
    if (qobject_cast<const QLineEdit *>(w))
        if (auto *combo = qobject_cast<const QComboBox *>(w->parentWidget()))
            if (combo->lineEdit() == w)
                return combo;
    return nullptr;
}

// The list of a combo box's open pop-up keeps its own keys (the combo box
// takes Enter, Tab and Esc there).
bool isComboList(const QWidget *w)
{
    for (const QWidget *p = w ? w->parentWidget() : nullptr; p; p = p->parentWidget())
        if (auto *combo = qobject_cast<const QComboBox *>(p))
            return combo->view() == w;
    return false;
}

Kind kindOf(const QWidget *w)
{
    if (isComboList(w))
        return Kind::Other;
    if (const QComboBox *combo = owningCombo(w))
        return combo->view() && combo->view()->isVisible() ? Kind::Other : Kind::Combo;
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w))
        return Kind::Edit;
    if (qobject_cast<const QListView *>(w))
        return Kind::List;
    if (qobject_cast<const QRadioButton *>(w))
        return Kind::Radio;
    if (qobject_cast<const QCheckBox *>(w))
        return Kind::Check;
    if (qobject_cast<const QAbstractButton *>(w))
        return Kind::Button;
    return Kind::Other;
}

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

KeyNavigator &KeyNavigator::instance()
{
    static KeyNavigator navigator;
    return navigator;
}

void KeyNavigator::install()
{
    if (m_installed || !qApp)
        return;
    m_installed = true;
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &KeyNavigator::focusChanged);
}

void KeyNavigator::switchOffWhileShown(QWidget *window)
{
    if (window)
        window->setProperty("_keyNavigationOff", true);
}

NavMove KeyNavigator::moveFor(const QWidget *focused, int key)
{
    if (!focused)
        return NavMove::None;
    const bool enter = isEnter(key);
    const bool esc = key == Qt::Key_Escape;
    const bool down = key == Qt::Key_Down;
    const bool up = key == Qt::Key_Up;
    switch (kindOf(focused)) {
    case Kind::Edit:
    case Kind::Combo:
    case Kind::Check:
        if (enter || down)
            return NavMove::Next;
        if (esc || up)
            return NavMove::Previous;
        break;
    case Kind::List:
    case Kind::Radio:
        if (enter)
            return NavMove::Next;
        if (esc)
            return NavMove::Previous;
        break;
    case Kind::Button:
        if (down)
            return NavMove::Next;
        if (esc || up)
            return NavMove::Previous;
        break;
    case Kind::Other:
        break;
    }
    return NavMove::None;
}

QColor KeyNavigator::focusColour()
{
    return QApplication::palette().color(QPalette::Inactive, QPalette::ToolTipBase);
}

void KeyNavigator::leaveEnterTo(QWidget *control)
{
    control->setProperty("_ownEnter", true);
}

bool KeyNavigator::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType()
        && watched->property("_keyNavigationOff").toBool()) {
        m_enabled = type == QEvent::Hide;
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    if (!m_enabled)
        return false;
    QWidget *focused = QApplication::focusWidget();
    if (watched != focused || !focused->window()->isActiveWindow())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (isEnter(key->key()) && focused->property("_ownEnter").toBool())
        return false;
    const NavMove move = moveFor(focused, key->key());
    if (move == NavMove::None)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Claim the key so no shortcut (a cancel button's Esc) takes it.
        event->accept();
        return true;
    }
    QKeyEvent tab(QEvent::KeyPress, move == NavMove::Next ? Qt::Key_Tab : Qt::Key_Backtab,
                  move == NavMove::Next ? Qt::NoModifier : Qt::ShiftModifier);
    QWidget *target = focused;
    if (const QComboBox *combo = owningCombo(focused))
        target = const_cast<QComboBox *>(combo);
    QCoreApplication::sendEvent(target, &tab);
    return true;
}

bool KeyNavigator::takesFocusColour(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
        || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const QListView *>(w);
}

void KeyNavigator::focusChanged(QWidget *, QWidget *now)
{
    if (m_coloured) {
        QWidget *w = m_coloured;
        w->setPalette(m_saved.ownPalette ? m_saved.palette : QPalette());
        w->setAttribute(Qt::WA_SetPalette, m_saved.ownPalette);
        m_coloured = nullptr;
    }
    if (!now)
        return;
    QWidget *target = now;
    if (const QComboBox *combo = owningCombo(now))
        target = const_cast<QComboBox *>(combo);
    if (!takesFocusColour(target))
        return;
    m_saved.ownPalette = target->testAttribute(Qt::WA_SetPalette);
    m_saved.palette = target->palette();
    QPalette p = target->palette();
    const QColor colour = focusColour();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Base, colour);
        p.setColor(g, QPalette::Button, colour);
    }
    target->setPalette(p);
    m_coloured = target;
}

QString balloonHintStyleSheet()
{
    return QStringLiteral("QToolTip { color: yellow; background-color: black; border: 1px solid #808000;"
                          " border-radius: 6px; padding: 3px; }\n");
}

} // namespace widgets
