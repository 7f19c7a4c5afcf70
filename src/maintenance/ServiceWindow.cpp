#include "ServiceWindow.h"

#include "data/DataError.h"
#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"
#include "widgets/Skin.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>

namespace maintenance {

ServiceWindow::ServiceWindow(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    widgets::setMovementWindowFlags(this);
    m_run = new data::ServiceRun(this);
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    connect(m_run, &data::ServiceRun::lineArrived, this, [this](const QString &line) {
        if (m_log)
            m_log->appendPlainText(line);
    });
    connect(m_run, &data::ServiceRun::progressChanged, this, [this](int done, int total) {
        if (total <= 0) {
            ProgressBar1->setRange(0, 0); // busy, the size not known yet
            return;
        }
        ProgressBar1->setRange(0, total);
        ProgressBar1->setValue(done);
    });
}

QLineEdit *ServiceWindow::pathEdit(const QString &name, bool folder, const QString &dialogTitle,
                                   const QString &filter, std::function<QString()> startDir)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMinimumWidth(380);
    QAction *browse = edit->addAction(style()->standardIcon(folder ? QStyle::SP_DirOpenIcon : QStyle::SP_FileIcon),
                                      QLineEdit::TrailingPosition);
    browse->setObjectName(name + QStringLiteral("Browse"));
    connect(browse, &QAction::triggered, this, [this, edit, folder, dialogTitle, filter, startDir] {
        const QString start = edit->text().isEmpty() ? startDir() : edit->text();
        const QString chosen = folder ? QFileDialog::getExistingDirectory(this, dialogTitle, start)
                                      : QFileDialog::getOpenFileName(this, dialogTitle, start, filter);
        if (!chosen.isEmpty())
            edit->setText(chosen);
    });
    m_controls << edit;
    return edit;
}

QPlainTextEdit *ServiceWindow::logEdit(const QString &name)
{
    m_log = new QPlainTextEdit;
    m_log->setObjectName(name);
    m_log->setReadOnly(true);
    m_log->setMinimumSize(520, 220);
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    return m_log;
}

QPushButton *ServiceWindow::button(const QString &caption, const QString &name)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(name);
    m_controls << b;
    return b;
}

void ServiceWindow::runService(std::function<void(const data::DatabaseService::LineSink &)> job)
{
    for (QWidget *w : std::as_const(m_controls))
        w->setEnabled(false);
    ProgressBar1->setRange(0, 0);
    m_run->start(std::move(job));
    const bool ok = m_run->wait();
    for (QWidget *w : std::as_const(m_controls))
        w->setEnabled(true);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(ok ? 1 : 0);
    if (!ok)
        throw data::DataError(m_run->errorText());
}

void ServiceWindow::leave()
{
    widgets::skin().applyStoredSkin();
    QDialog::reject();
}

void ServiceWindow::reject()
{
    // A running service is waited for; the window goes when it is done.
    if (isRunning())
        return;
    widgets::guarded(this, [this] { leave(); });
}

void ServiceWindow::closeEvent(QCloseEvent *event)
{
    if (isRunning())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

} // namespace maintenance
