#include "UnitRestore.h"

#include "core/AppPaths.h"
#include "data/UnitDM.h"
#include "widgets/Prompter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace widgets;

TfrmRestore::TfrmRestore(data::TDM *dm_, QWidget *parent) : ServiceWindow(dm_, parent)
{
    setObjectName(QStringLiteral("TfrmRestore"));
    setWindowTitle(QStringLiteral("Restaurar Cópia de Segurança"));

    auto *outer = new QHBoxLayout(this);
    auto *picture = new QLabel;
    picture->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    outer->addWidget(picture);
    auto *layout = new QVBoxLayout;
    outer->addLayout(layout, 1);

    feRestaurar = pathEdit(QStringLiteral("feRestaurar"), false, QStringLiteral("Backup"),
                           QStringLiteral("Arquivo de Backup (*.gbk)"), [] { return core::backupDir(); });
    feRestBanco = pathEdit(QStringLiteral("feRestBanco"), false, QStringLiteral("Banco de Dados"),
                           QStringLiteral("Interbase Database *.gbd (*.gdb)"), [] { return core::databaseDir(); });
    mmRestaurar = logEdit(QStringLiteral("mmRestaurar"));
    auto *l1 = new QLabel(QStringLiteral("Arquivo de Backup"));
    l1->setBuddy(feRestaurar);
    auto *l2 = new QLabel(QStringLiteral("Banco de Dados"));
    l2->setBuddy(feRestBanco);
    auto *l3 = new QLabel(QStringLiteral("&Log"));
    l3->setBuddy(mmRestaurar);
    layout->addWidget(l1);
    layout->addWidget(feRestaurar);
    layout->addWidget(l2);
    layout->addWidget(feRestBanco);
    layout->addWidget(l3);
    layout->addWidget(mmRestaurar, 1);
    layout->addWidget(ProgressBar1);

    auto *buttons = new QHBoxLayout;
    BitBtn1 = button(QStringLiteral("&Restaurar"), QStringLiteral("BitBtn1"));
    BitBtn2 = button(QStringLiteral("&Retornar"), QStringLiteral("BitBtn2"));
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);

    const QString configured = dm->IBDatabase1->databaseName();
    feRestBanco->setText(configured.isEmpty() ? core::defaultDatabasePath() : configured);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { reject(); });
}

void TfrmRestore::BitBtn1Click()
{
    if (feRestaurar->text().trimmed().isEmpty()) {
        error(QStringLiteral("Arquivo de Backup deve ser informado!"), QStringLiteral("Restore"), this);
        feRestaurar->setFocus();
        return;
    }
    if (feRestBanco->text().trimmed().isEmpty()) {
        error(QStringLiteral("Banco de dados deve ser informado!"), QStringLiteral("Restore"), this);
        feRestBanco->setFocus();
        return;
    }
    const QString file = feRestaurar->text().trimmed();
    const QString database = feRestBanco->text().trimmed();
    // Nothing of the program may hold the database being replaced.
    dm->closeAll();
    dm->IBDatabase1->close();
    runService([file, database](const data::DatabaseService::LineSink &sink) {
        data::DatabaseService::restore(file, database, sink);
    });
    inform(QStringLiteral("Restauração realizada com sucesso!"), QStringLiteral("Restore"), this);
    dm->IBDatabase1->open();
    mmRestaurar->clear();
}

void TfrmRestore::BitBtn2Click()
{
    reject();
}
