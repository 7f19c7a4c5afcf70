#include "taxid/TCheckBase.h"

#include <QEvent>
#include <QMetaObject>
#include <QVariant>

namespace {

std::function<void()> &beepHandler()
{
    static std::function<void()> handler;
    return handler;
}

} // namespace

TCheckBase::TCheckBase(Rule rule, QObject *parent)
    : QObject(parent), m_rule(rule)
{
}

TCheckBase::~TCheckBase()
{
    if (m_field)
        m_field->removeEventFilter(this);
}

void TCheckBase::setValid(bool ignored)
{
    Q_UNUSED(ignored)
    recompute();
}

void TCheckBase::setValue(const QString &value)
{
    m_value = value;
    recompute();
}

void TCheckBase::recompute()
{
    m_valid = check(m_value);
}

void TCheckBase::setAssociate(QObject *field)
{
    if (field == m_field)
        return;
    if (m_field)
        m_field->removeEventFilter(this);
    // QPointer drops the link by itself when the field is destroyed.
    m_field = field;
    if (m_field)
        m_field->installEventFilter(this);
}

void TCheckBase::setBeep(std::function<void()> beep)
{
    beepHandler() = std::move(beep);
}

// A focus-out also comes when a pop-up opens over the field (the field keeps
// the focus) or when the window itself loses activation (another window or
// a message box comes up). Neither is the user leaving the field.
bool TCheckBase::leavesForAnotherField(QObject *field) const
{
    const QVariant hasFocus = field->property("focus");
    if (hasFocus.isValid() && hasFocus.toBool())
        return false;
    const QVariant active = field->property("isActiveWindow");
    return !active.isValid() || active.toBool();
}

bool TCheckBase::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusOut || watched != m_field || !leavesForAnotherField(watched))
        return QObject::eventFilter(watched, event);

    if (check(watched->property("text").toString()))
        return false;

    QPointer<QObject> field = watched;
    if (m_onError)
        m_onError(watched);
    else if (beepHandler())
        beepHandler()();
    // The handler may have closed the window and destroyed the field.
    if (field) {
        QMetaObject::invokeMethod(field, "selectAll");
        QMetaObject::invokeMethod(field, "setFocus");
    }
    return true;
}
