#include "MovementWindow.h"

#include "NumericEdit.h"
#include "Prompter.h"
#include "core/Formats.h"
#include "data/DataSet.h"

#include <QEvent>
#include <QFocusEvent>
#include <QApplication>
#include <QGuiApplication>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVariant>

namespace widgets {

bool passChecks(const QVector<SaveCheck> &checks, QWidget *parent, const QString &caption)
{
    for (const SaveCheck &check : checks) {
        if (check.fails && check.fails()) {
            inform(check.message, caption, parent);
            if (check.focus) {
                check.focus->window()->activateWindow();
                check.focus->setFocus(Qt::OtherFocusReason);
            }
            return false;
        }
    }
    return true;
}

SaveOutcome runMovementSave(QWidget *window, const MovementSave &save)
{
    if (!passChecks(save.checks, window))
        return SaveOutcome::Refused;
    if (!ask(save.confirmText, save.confirmCaption, window)) {
        if (save.declined)
            save.declined();
        return SaveOutcome::Declined;
    }
    // A post the database refuses is reported as it says; the row stays pending.
    if (!guarded(window, [&] { save.post(); }))
        return SaveOutcome::Failed;
    if (ask(save.continueText, save.continueCaption, window)) {
        if (save.another)
            guarded(window, [&] { save.another(); });
        return SaveOutcome::Another;
    }
    if (save.finished)
        guarded(window, [&] { save.finished(); });
    return SaveOutcome::Finished;
}

void IdleState::apply() const
{
    for (QWidget *w : enabled) {
        w->setEnabled(true);
        w->show();
    }
    for (QWidget *w : disabled) {
        w->setEnabled(false);
        w->show();
    }
    for (QWidget *w : hidden)
        w->hide();
}

void setCallerMark(QWidget *window, bool marked)
{
    window->setProperty("Tag", marked ? 1 : 0);
}

bool hasCallerMark(const QWidget *window)
{
    return window && window->isVisible() && window->property("Tag").toInt() == 1;
}

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
        if (step && control->window()->isVisible())
            guarded(control->window(), m_action);
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_action;
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

QHBoxLayout *MovementLineWindow::saveReturnButtons(QPushButton *&save, QPushButton *&back)
{
    auto *buttons = new QHBoxLayout;
    save = new QPushButton(QStringLiteral("&Gravar"));
    save->setObjectName(QStringLiteral("BitBtn1"));
    save->setToolTip(QStringLiteral("Gravar Cadastro"));
    back = new QPushButton(QStringLiteral("&Retornar"));
    back->setObjectName(QStringLiteral("BitBtn3"));
    back->setToolTip(QStringLiteral("Retornar ao Menu Principal"));
    for (QPushButton *b : {save, back}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    return buttons;
}

// A window not made yet is not busy: callers pass what exists, never make it.
bool lineWindowBusy(QDialog *window, data::DataSet *rows)
{
    if (!window || !window->isVisible() || !rows || !rows->isEditing())
        return false;
    window->raise();
    window->activateWindow();
    return true;
}

void setMovementWindowFlags(QDialog *window)
{
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

QLabel *titleBanner(const QString &text)
{
    auto *banner = new QLabel(text);
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: white; padding: 10px; "
                                         "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #5a3a1a, stop:1 #a07040);"));
    return banner;
}

QLabel *captionPanel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    label->setMinimumWidth(150);
    label->setBuddy(buddy);
    return label;
}

MovementLineWindow::MovementLineWindow(QWidget *parent) : QDialog(parent)
{
    setMovementWindowFlags(this);
    setModal(false);
    connect(this, &QDialog::finished, this, &MovementLineWindow::windowFinished);
}

void MovementLineWindow::showFor(QWidget *header, QWidget *focus, std::function<void()> onClosed)
{
    // Children of a modal window are not blocked by it.
    if (header && parentWidget() != header) {
        const Qt::WindowFlags flags = windowFlags();
        setParent(header, flags);
    }
    disconnect(m_onClosed);
    if (onClosed)
        m_onClosed = connect(this, &MovementLineWindow::closed, this, [this, onClosed] {
            disconnect(m_onClosed);
            onClosed();
        });
    setModal(false);
    adjustSize();
    if (header) {
        const QRect area = header->screen() ? header->screen()->availableGeometry()
                                            : QGuiApplication::primaryScreen()->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

void MovementLineWindow::writeComputed(data::DataSet *rows, const QString &column, NumericEdit *edit, double value)
{
    const double written = core::editValue(core::generalNumber(value));
    if (rows->isEditing())
        rows->setValue(column, written);
    else
        edit->setValue(written);
}

void MovementLineWindow::windowFinished()
{
    guarded(this, [this] { FormClose(); });
    emit closed();
}

} // namespace widgets
