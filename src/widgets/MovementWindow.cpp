#include "MovementWindow.h"

#include "Prompter.h"
#include "data/DataSet.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
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

void setCallerMark(QWidget *window, bool marked)
{
    window->setProperty("Tag", marked ? 1 : 0);
}

bool hasCallerMark(const QWidget *window)
{
    return window && window->isVisible() && window->property("Tag").toInt() == 1;
}

namespace {

class FocusHook : public QObject
{
public:
    FocusHook(QWidget *control, QEvent::Type type, std::function<void()> action)
        : QObject(control), m_type(type), m_action(std::move(action))
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == m_type) {
            // Switching windows, opening a pop-up or closing the window moves
            // no focus inside the window: not an enter or a leave.
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            auto *control = static_cast<QWidget *>(watched);
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
                && control->window()->isVisible())
                guarded(control->window(), m_action);
        }
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

void MovementLineWindow::windowFinished()
{
    guarded(this, [this] { FormClose(); });
    emit closed();
}

} // namespace widgets
