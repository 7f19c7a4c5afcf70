#include "Unitconfgbd.h"

#include "Pictures.h"
#include "Skin.h"
#include "UnitLogin.h"
#include "core/AppPaths.h"
#include "core/BancoRecord.h"
#include "data/DataError.h"
#include "data/DatabaseCreator.h"
#include "data/SchemaUpgrade.h"
#include "data/StockSummary.h"
#include "data/UnitDM.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"
#include "widgets/WindowRegistry.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QToolButton>

using namespace widgets;

Tfrmconfigbd::Tfrmconfigbd(data::TDM *dm, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_dm(dm)
{
    setupUi(this);
    FormBinder::applyLooks(this);
    m_launcher = [](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    };
    Image1->setPixmap(app::pictures::heading(QSize(520, 56), QStringLiteral("Configuração do Banco de Dados")));
    bd->setText(core::defaultDatabasePath());
    for (QLineEdit *e : {server, bd})
        e->installEventFilter(this);
    connect(bdBrowse, &QToolButton::clicked, this, &Tfrmconfigbd::browse);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
}

QString Tfrmconfigbd::serverHelp()
{
    return QStringLiteral("Informe o nome do SERVIDOR ou endereço IP onde esta localizado o Banco de Dados, "
                          "Ex: 192.168.0.1, em caso de duvidas entre em contato com o administrador da rede "
                          "ou do sistema.");
}

QString Tfrmconfigbd::databaseHelp()
{
    return QStringLiteral("Informe o caminho onde esta localizado o Banco de Dados \".GDB\", em caso de duvidas "
                          "entre em contato com o administrador da rede ou do sistema.");
}

bool Tfrmconfigbd::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == server)
            panel1->setPlainText(serverHelp());
        else if (watched == bd)
            panel1->setPlainText(databaseHelp());
    }
    return QDialog::eventFilter(watched, event);
}

void Tfrmconfigbd::browse()
{
    const QString start = QFileInfo(bd->text()).absolutePath();
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("Banco de Dados"), QFileInfo::exists(start) ? start : core::databaseDir(),
        QStringLiteral("Interbase Database (*.gdb *.GDB *.fdb *.FDB);;Todos os arquivos (*)"));
    if (!file.isEmpty())
        bd->setText(file);
}

bool Tfrmconfigbd::connectAtStartup(const std::optional<QString> &database)
{
    auto settings = core::openUserSettings();
    std::optional<core::BancoRecord> record = core::readBanco(*settings);
    if (!record && !database) {
        // First start: the database that comes with the program.
        const QString path = core::defaultDatabasePath();
        try {
            core::ensureAppFolders();
            if (!QFileInfo::exists(path))
                data::DatabaseCreator::create(path);
            record = core::BancoRecord{QString(), path};
            core::writeBanco(*settings, *record);
        } catch (const data::DataError &e) {
            showUnhandled(e.message(), this);
            exec();
            return true;
        }
    }
    if (record) {
        server->setText(record->server);
        bd->setText(record->path);
    }
    const QString name = database ? *database : record->databaseName();
    m_dm->IBDatabase1->setDatabaseName(name);
    if (!guarded(this, [this] { m_dm->IBDatabase1->open(); }))
        return true; // runs unconnected; every later access tries again
    upgradeSchema();
    auto *login = windows().get<TfrmLogin>();
    if (!login)
        return true;
    m_loggedIn = login->exec() == QDialog::Accepted;
    if (m_loggedIn)
        startFolding();
    return m_loggedIn;
}

// What an older database lacks: the catalog asked once, then each missing
// step on its own, a failed one shown with the database's text while the
// others still run.
void Tfrmconfigbd::upgradeSchema()
{
    QVector<data::SchemaUpgrade::Missing> parts;
    if (!guarded(this, [&] { parts = data::SchemaUpgrade::missing(data::SchemaUpgrade::catalog(m_dm->IBDatabase1)); }))
        return;
    for (const data::SchemaUpgrade::Missing &part : parts)
        guarded(this, [&] { data::SchemaUpgrade::apply(m_dm->IBDatabase1, part); });
}

// Each movement adds a row to the stock summaries; merging them now and then
// keeps every stock figure a sum of a few rows. The first merge waits for the
// event loop, so it adds nothing to start-up.
void Tfrmconfigbd::startFolding()
{
    if (m_foldTimer)
        return;
    auto fold = [this] { data::StockSummary::tryFold(m_dm->IBDatabase1); };
    QTimer::singleShot(0, this, fold);
    m_foldTimer = new QTimer(this);
    m_foldTimer->setInterval(10 * 60 * 1000);
    connect(m_foldTimer, &QTimer::timeout, this, fold);
    m_foldTimer->start();
}

void Tfrmconfigbd::BitBtn2Click()
{
    const core::BancoRecord record{server->text(), bd->text()};
    bool written = false;
    {
        auto settings = core::openUserSettings();
        written = core::writeBanco(*settings, record);
    }
    inform(QStringLiteral("O Sistema precisa ser reiniciado para que as novas alterações entrem em vigor!"),
           QStringLiteral("Confirmação"), this);
    if (!written)
        showUnhandled(QStringLiteral("Não foi possível gravar a configuração do banco de dados."), this);
    const QString program = QCoreApplication::applicationFilePath();
    // The new copy waits for this one's single-instance guard to go away.
    if (!(QFileInfo::exists(program) && m_launcher(program, {QStringLiteral("--relaunch")})))
        error(QStringLiteral("O Sistema não foi capaz de se Auto-Reiniciar, faça-o manualmente!"),
              QStringLiteral("Reinicialização"), this);
    accept();
    emit endRequested();
}

void Tfrmconfigbd::BitBtn3Click()
{
    app::skin().applyStoredSkin();
    close();
}
