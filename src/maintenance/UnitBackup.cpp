#include "UnitBackup.h"

#include "core/AppPaths.h"
#include "data/UnitDM.h"
#include "widgets/Prompter.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

using namespace widgets;

TfrmBackup::TfrmBackup(data::TDM *dm_, QWidget *parent) : ServiceWindow(dm_, parent)
{
    setObjectName(QStringLiteral("TfrmBackup"));
    setWindowTitle(QStringLiteral("Gravar Cópia de Segurança"));

    auto *outer = new QHBoxLayout(this);
    auto *picture = new QLabel;
    picture->setPixmap(style()->standardIcon(QStyle::SP_DriveHDIcon).pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    outer->addWidget(picture);
    auto *layout = new QVBoxLayout;
    outer->addLayout(layout, 1);

    febanco = pathEdit(QStringLiteral("febanco"), false, QStringLiteral("Banco de Dados"),
                       QStringLiteral("Interbase Database (*.gdb)"), [] { return core::databaseDir(); });
    deBackup = pathEdit(QStringLiteral("deBackup"), true, QStringLiteral("Caminho de Gravação do Backup"), {},
                        [] { return core::backupDir(); });
    mmBackup = logEdit(QStringLiteral("mmBackup"));
    auto label = [](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text);
        l->setBuddy(buddy);
        return l;
    };
    layout->addWidget(label(QStringLiteral("B&anco de Dados"), febanco));
    layout->addWidget(febanco);
    layout->addWidget(label(QStringLiteral("&Caminho de Gravação do Backup"), deBackup));
    layout->addWidget(deBackup);
    layout->addWidget(label(QStringLiteral("&Log"), mmBackup));
    layout->addWidget(mmBackup, 1);
    layout->addWidget(ProgressBar1);

    auto *buttons = new QHBoxLayout;
    BitBtn1 = button(QStringLiteral("&Backup"), QStringLiteral("BitBtn1"));
    BitBtn2 = button(QStringLiteral("&Retornar"), QStringLiteral("BitBtn2"));
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);

    // The database the program works on; a server's name sends the backup there.
    const QString configured = dm->IBDatabase1->databaseName();
    febanco->setText(configured.isEmpty() ? core::defaultDatabasePath() : configured);
    deBackup->setText(core::backupDir());

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { reject(); });
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
    if (febanco->text().trimmed().isEmpty()) {
        error(QStringLiteral("Banco de dados deve ser informado!"), QStringLiteral("Backup"), this);
        febanco->setFocus();
        return;
    }
    if (deBackup->text().trimmed().isEmpty()) {
        error(QStringLiteral("Local do Backup deve ser informado!"), QStringLiteral("Backup"), this);
        deBackup->setFocus();
        return;
    }
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

void TfrmBackup::BitBtn2Click()
{
    reject();
}
