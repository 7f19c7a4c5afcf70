#pragma once

#include "data/DatabaseService.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace data { class TDM; }

namespace maintenance {

// What the backup and restore windows share: the log of the service's
// lines, a progress bar, and running a service on its own thread while the
// window keeps painting and takes no second command.
class ServiceWindow : public QDialog
{
    Q_OBJECT
public:
    ServiceWindow(data::TDM *dm, QWidget *parent);

    bool isRunning() const { return m_run->isRunning(); }
    QProgressBar *ProgressBar1;

protected:
    // A file-name edit with a browse button (folder: a folder chooser).
    QLineEdit *pathEdit(const QString &name, bool folder, const QString &dialogTitle, const QString &filter,
                        std::function<QString()> startDir);
    QPlainTextEdit *logEdit(const QString &name);
    QPushButton *button(const QString &caption, const QString &name);

    // Runs JOB; the lines go to the log as they come. Throws DataError with
    // the server's text when the service fails (the log keeps its lines).
    void runService(std::function<void(const data::DatabaseService::LineSink &)> job);

    // "&Retornar": the stored skin again, then close.
    void leave();

    void reject() override;
    void closeEvent(QCloseEvent *event) override;

    data::TDM *dm;
    QPlainTextEdit *m_log = nullptr;
    data::ServiceRun *m_run;
    QList<QWidget *> m_controls; // disabled while a service runs
};

} // namespace maintenance
