#pragma once

#include "data/DatabaseService.h"

#include <QDialog>
#include <QStyle>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace data { class TDM; }

namespace maintenance {

// What the backup and restore windows share: the picture, the log of the
// service's lines, the progress bar, the file-name edits with their browse
// buttons, the command and "&Retornar", and running a service on its own
// thread while the window keeps painting and takes no second command.
class ServiceWindow : public QDialog
{
    Q_OBJECT
public:
    ServiceWindow(data::TDM *dm, QWidget *parent);

    bool isRunning() const { return m_run->isRunning(); }

    void BitBtn2Click(); // "&Retornar"

protected:
    // The form's controls the shared handlers use. COMMAND is the first
    // button's handler; the second button leaves.
    struct Form
    {
        QLabel *picture;
        QStyle::StandardPixmap icon;
        QPlainTextEdit *log;
        QProgressBar *progress;
        QPushButton *command;
        QPushButton *back;
    };
    void takeForm(const Form &form, std::function<void()> command);
    // A browse button inside EDIT (FOLDER: a folder chooser); the chooser
    // starts at the edit's text, or at START_DIR when it is empty.
    void browse(QLineEdit *edit, bool folder, const QString &dialogTitle, const QString &filter,
                std::function<QString()> startDir);
    // False, with MESSAGE in an error box titled CAPTION and the focus on
    // EDIT, when EDIT is empty.
    bool filled(QLineEdit *edit, const QString &message, const QString &caption);
    // The database the program works on, or the default one.
    QString workingDatabase() const;

    // Runs JOB; the lines go to the log as they come. Throws DataError with
    // the server's text when the service fails (the log keeps its lines).
    void runService(std::function<void(const data::DatabaseService::LineSink &)> job);

    void reject() override;
    void closeEvent(QCloseEvent *event) override;

    data::TDM *dm;

private:
    QPlainTextEdit *m_log = nullptr;
    QProgressBar *m_progress = nullptr;
    data::ServiceRun *m_run;
    QList<QWidget *> m_controls; // disabled while a service runs
};

} // namespace maintenance
