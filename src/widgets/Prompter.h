#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace widgets {

// OkCancel: information icon with OK and Cancel (the "are you online?" box).
enum class MessageKind { Information, Warning, Error, Question, OkCancel };

// The one seam through which windows talk to the user in message boxes.
// The default shows real QMessageBoxes (caption as window title, the text,
// the kind's icon, OK or Yes/No). Tests install a scripted prompter.
class Prompter
{
public:
    virtual ~Prompter() = default;
    // Returns true for OK/Yes.
    virtual bool show(MessageKind kind, const QString &text, const QString &caption, QWidget *parent) = 0;

    static Prompter &current();
    // Installs a prompter; nullptr restores the real boxes. Not owned.
    static void install(Prompter *prompter);
};

// Real message boxes.
class BoxPrompter : public Prompter
{
public:
    bool show(MessageKind kind, const QString &text, const QString &caption, QWidget *parent) override;
    // Builds the box without showing it (for tests of the real boxes).
    static QMessageBox *makeBox(MessageKind kind, const QString &text, const QString &caption, QWidget *parent);
};

void inform(const QString &text, const QString &caption, QWidget *parent = nullptr);
void warn(const QString &text, const QString &caption, QWidget *parent = nullptr);
void error(const QString &text, const QString &caption, QWidget *parent = nullptr);
// Yes/No question; true only for Yes.
bool ask(const QString &text, const QString &caption, QWidget *parent = nullptr);
// Information box with OK and Cancel; true only for OK.
bool confirm(const QString &text, const QString &caption, QWidget *parent = nullptr);

// Shows an error that no window handled, as the application's standard error
// box: the error's own text, caption "Quelvora".
void showUnhandled(const QString &text, QWidget *parent = nullptr);

// Runs an action and shows any exception in the standard error box, so a
// failed command never takes the window down with it. True when it completed.
template <typename F>
bool guarded(QWidget *parent, F &&action);

} // namespace widgets

#include "Prompter_impl.h"
