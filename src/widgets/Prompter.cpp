#include "Prompter.h"

#include <QAbstractButton>
#include <QApplication>

namespace widgets {

static Prompter *s_installed = nullptr;

Prompter &Prompter::current()
{
    static BoxPrompter boxes;
    return s_installed ? *s_installed : boxes;
}

void Prompter::install(Prompter *prompter)
{
    s_installed = prompter;
}

QMessageBox *BoxPrompter::makeBox(MessageKind kind, const QString &text, const QString &caption, QWidget *parent)
{
    auto *box = new QMessageBox(parent ? parent : QApplication::activeWindow());
    box->setWindowTitle(caption);
    box->setText(text);
    // In the order of MessageKind.
    static const QMessageBox::Icon icons[] = {QMessageBox::Information, QMessageBox::Warning, QMessageBox::Critical,
                                              QMessageBox::Question, QMessageBox::Information};
    box->setIcon(icons[int(kind)]);
    if (kind == MessageKind::Question) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->button(QMessageBox::Yes)->setText(QObject::tr("&Sim"));
        box->button(QMessageBox::No)->setText(QObject::tr("&Não"));
    } else if (kind == MessageKind::OkCancel) {
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Ok);
        box->button(QMessageBox::Cancel)->setText(QObject::tr("Cancelar"));
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    if (kind != MessageKind::Question)
        box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box->setAccessibleName(caption);
    box->setAccessibleDescription(text);
    return box;
}

bool BoxPrompter::show(MessageKind kind, const QString &text, const QString &caption, QWidget *parent)
{
    QMessageBox *box = makeBox(kind, text, caption, parent);
    const int result = box->exec();
    delete box;
    return result == QMessageBox::Ok || result == QMessageBox::Yes;
}

void inform(const QString &text, const QString &caption, QWidget *parent)
{
    Prompter::current().show(MessageKind::Information, text, caption, parent);
}

void warn(const QString &text, const QString &caption, QWidget *parent)
{
    Prompter::current().show(MessageKind::Warning, text, caption, parent);
}

void error(const QString &text, const QString &caption, QWidget *parent)
{
    Prompter::current().show(MessageKind::Error, text, caption, parent);
}

bool ask(const QString &text, const QString &caption, QWidget *parent)
{
    return Prompter::current().show(MessageKind::Question, text, caption, parent);
}

bool confirm(const QString &text, const QString &caption, QWidget *parent)
{
    return Prompter::current().show(MessageKind::OkCancel, text, caption, parent);
}

void showUnhandled(const QString &text, QWidget *parent)
{
    Prompter::current().show(MessageKind::Error, text, QStringLiteral("Quelvora"), parent);
}

} // namespace widgets
