#include "ServiceWindow.h"

#include "core/AppPaths.h"
#include "data/DataError.h"
#include "data/UnitDM.h"
#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"
#include "widgets/Skin.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace maintenance {

ServiceWindow::ServiceWindow(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    widgets::setMovementWindowFlags(this);
    m_run = new data::ServiceRun(this);
}

void ServiceWindow::takeForm(const Form &form, std::function<void()> command)
{
    m_log = form.log;
    m_progress = form.progress;
    form.picture->setPixmap(style()->standardIcon(form.icon).pixmap(64, 64));
    m_controls << form.command << form.back;
    connect(m_run, &data::ServiceRun::lineArrived, this, [this](const QString &line) { m_log->appendPlainText(line); });
    connect(m_run, &data::ServiceRun::progressChanged, this, [this](int done, int total) {
        if (total <= 0) {
            m_progress->setRange(0, 0); // busy, the size not known yet
            return;
        }
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    });
    connect(form.command, &QPushButton::clicked, this,
            [this, command = std::move(command)] { widgets::guarded(this, command); });
    connect(form.back, &QPushButton::clicked, this, [this] { reject(); });
}

void ServiceWindow::browse(QLineEdit *edit, bool folder, const QString &dialogTitle, const QString &filter,
                           std::function<QString()> startDir)
{
    QAction *action = edit->addAction(style()->standardIcon(folder ? QStyle::SP_DirOpenIcon : QStyle::SP_FileIcon),
                                      QLineEdit::TrailingPosition);
    action->setObjectName(edit->objectName() + QStringLiteral("Browse"));
    connect(action, &QAction::triggered, this, [this, edit, folder, dialogTitle, filter, startDir] {
        const QString start = edit->text().isEmpty() ? startDir() : edit->text();
        const QString chosen = folder ? QFileDialog::getExistingDirectory(this, dialogTitle, start)
                                      : QFileDialog::getOpenFileName(this, dialogTitle, start, filter);
        if (!chosen.isEmpty())
            edit->setText(chosen);
    });
    m_controls << edit;
}

bool ServiceWindow::filled(QLineEdit *edit, const QString &message, const QString &caption)
{
    if (!edit->text().trimmed().isEmpty())
        return true;
    widgets::error(message, caption, this);
    edit->setFocus();
    return false;
}

QString ServiceWindow::workingDatabase() const
{
    // A server's name sends the service there.
    const QString configured = dm->IBDatabase1->databaseName();
    return configured.isEmpty() ? core::defaultDatabasePath() : configured;
}

void ServiceWindow::runService(std::function<void(const data::DatabaseService::LineSink &)> job)
{
    for (QWidget *w : std::as_const(m_controls))
        w->setEnabled(false);
    m_progress->setRange(0, 0);
    m_run->start(std::move(job));
    const bool ok = m_run->wait();
    for (QWidget *w : std::as_const(m_controls))
        w->setEnabled(true);
    m_progress->setRange(0, 1);
    m_progress->setValue(ok ? 1 : 0);
    if (!ok)
        throw data::DataError(m_run->errorText());
}

void ServiceWindow::BitBtn2Click()
{
    reject();
}

void ServiceWindow::reject()
{
    // A running service is waited for; the window goes when it is done.
    if (isRunning())
        return;
    widgets::guarded(this, [this] {
        // The stored skin again, then close.
        widgets::skin().applyStoredSkin();
        QDialog::reject();
    });
}

void ServiceWindow::closeEvent(QCloseEvent *event)
{
    if (isRunning())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

} // namespace maintenance
