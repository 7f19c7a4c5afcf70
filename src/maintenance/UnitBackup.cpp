#include "UnitBackup.h"

#include "core/AppPaths.h"
#include "widgets/Prompter.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QShowEvent>

using namespace widgets;

TfrmBackup::TfrmBackup(data::TDM *dm_, QWidget *parent) : ServiceWindow(dm_, parent)
{
    setupUi(this);
    takeForm({Image1, QStyle::SP_DriveHDIcon, mmBackup, ProgressBar1, BitBtn1, BitBtn2}, [this] { BitBtn1Click(); });
    browse(febanco, false, QStringLiteral("Banco de Dados"), QStringLiteral("Interbase Database (*.gdb)"),
           [] { return core::databaseDir(); });
    browse(deBackup, true, QStringLiteral("Caminho de Gravação do Backup"), {}, [] { return core::backupDir(); });
    febanco->setText(workingDatabase());
    deBackup->setText(core::backupDir());
}

void TfrmBackup::showEvent(QShowEvent *event)
{
    ServiceWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmBackup::FormShow()
{
    m_day = QDate::currentDate();
}

QString TfrmBackup::backupFile() const
{
    return data::DatabaseService::backupFileName(deBackup->text(), m_day.isValid() ? m_day : QDate::currentDate());
}

void TfrmBackup::BitBtn1Click()
{
    const QString caption = QStringLiteral("Backup");
    if (!filled(febanco, QStringLiteral("Banco de dados deve ser informado!"), caption)
        || !filled(deBackup, QStringLiteral("Local do Backup deve ser informado!"), caption))
        return;
    const QString database = febanco->text().trimmed();
    const QString file = backupFile();
    // The application's own backup folder is made on first use.
    if (data::ServiceTarget::of(database).embedded())
        QDir().mkpath(deBackup->text());
    runService([database, file](const data::DatabaseService::LineSink &sink) {
        data::DatabaseService::backup(database, file, sink);
    });
    inform(QStringLiteral("Backup realizado com sucesso!"), QStringLiteral("Backup"), this);
    mmBackup->clear();
}
