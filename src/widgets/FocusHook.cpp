#include "FocusHook.h"

#include "Prompter.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHash>
#include <QPointer>

namespace widgets {

namespace {

// Which control of each window was last entered. A window switch (a message
// box, a picker, a drop-down list) takes the focus out of the window and
// gives it back without leaving or entering anything; but when the program
// moved the focus while the window was inactive, the control that holds it
// when the window is active again has arrived there, and is entered.
class EnteredControls : public QObject
{
public:
    static EnteredControls &instance()
    {
        static EnteredControls tracker;
        if (!tracker.m_installed && qApp) {
            qApp->installEventFilter(&tracker);
            tracker.m_installed = true;
        }
        return tracker;
    }

    // Whether the focus-in now being delivered to `control` is an arrival.
    bool arrived(const QWidget *control) const { return m_lastIn == control && m_lastArrival; }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::FocusIn && type != QEvent::FocusOut) || !watched->isWidgetType())
            return false;
        auto *control = static_cast<QWidget *>(watched);
        QPointer<QWidget> &entered = m_entered[control->window()];
        if (type == QEvent::FocusIn) {
            // Back from a pop-up (a drop-down list) is always a return.
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            m_lastIn = control;
            m_lastArrival = entered != control && reason != Qt::PopupFocusReason;
            entered = control;
        } else if (!isWindowSwitch(static_cast<QFocusEvent *>(event)->reason()) && entered == control) {
            entered = nullptr;
        }
        return false;
    }

    static bool isWindowSwitch(Qt::FocusReason reason)
    {
        return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    }

private:
    EnteredControls() = default;

    QHash<const QWidget *, QPointer<QWidget>> m_entered; // by window
    QPointer<QWidget> m_lastIn;
    bool m_lastArrival = false;
    bool m_installed = false;
};

class FocusHook : public QObject
{
public:
    FocusHook(QWidget *control, QEvent::Type type, std::function<void()> action)
        : QObject(control), m_type(type), m_action(std::move(action))
    {
        EnteredControls::instance();
        control->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != m_type)
            return false;
        auto *control = static_cast<QWidget *>(watched);
        const bool step = m_type == QEvent::FocusIn
                              ? EnteredControls::instance().arrived(control)
                              : !EnteredControls::isWindowSwitch(static_cast<QFocusEvent *>(event)->reason());
        if (!step || !control->window()->isVisible())
            return false;
        // The program moving the focus while an exit runs (back to a field
        // a check refused) is not the user leaving another field.
        if (m_type == QEvent::FocusOut) {
            if (s_leaving)
                return false;
            s_leaving = true;
            guarded(control->window(), m_action);
            s_leaving = false;
        } else {
            guarded(control->window(), m_action);
        }
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_action;
    static inline bool s_leaving = false;
};

} // namespace

void onEnter(QWidget *control, std::function<void()> action)
{
    new FocusHook(control, QEvent::FocusIn, std::move(action));
}

void onExit(QWidget *control, std::function<void()> action)
{
    new FocusHook(control, QEvent::FocusOut, std::move(action));
}

} // namespace widgets
