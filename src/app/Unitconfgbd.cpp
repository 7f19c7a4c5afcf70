#include "Unitconfgbd.h"

#include "Pictures.h"
#include "Skin.h"
#include "UnitLogin.h"
#include "core/AppPaths.h"
#include "core/BancoRecord.h"
#include "data/DataError.h"
#include "data/DatabaseCreator.h"
#include "data/StockSummary.h"
#include "data/UnitDM.h"
#include "widgets/Prompter.h"
#include "widgets/WindowRegistry.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QSettings>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace widgets;

Tfrmconfigbd::Tfrmconfigbd(data::TDM *dm, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_dm(dm)
{
    setObjectName(QStringLiteral("Tfrmconfigbd"));
    setWindowTitle(QStringLiteral("Configuração do Banco de Dados"));
    m_launcher = [](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    };

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(app::pictures::heading(QSize(520, 56), QStringLiteral("Configuração do Banco de Dados")));

    QFont bold = font();
    bold.setBold(true);
    auto *group = new QGroupBox(QStringLiteral("Conexão"), this);
    server = new QLineEdit(group);
    server->setObjectName(QStringLiteral("server"));
    bd = new QLineEdit(group);
    bd->setObjectName(QStringLiteral("bd"));
    bd->setText(core::defaultDatabasePath());
    for (QLineEdit *e : {server, bd}) {
        e->setFont(bold);
        e->setStyleSheet(QStringLiteral("color: purple;"));
        e->installEventFilter(this);
    }
    bd->setMinimumWidth(380);
    bdBrowse = new QToolButton(group);
    bdBrowse->setObjectName(QStringLiteral("bdBrowse"));
    bdBrowse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    bdBrowse->setToolTip(QStringLiteral("Localizar o Banco de Dados"));
    bdBrowse->setAccessibleName(bdBrowse->toolTip());
    connect(bdBrowse, &QToolButton::clicked, this, &Tfrmconfigbd::browse);
    auto *serverLabel = new QLabel(QStringLiteral("Servidor:"), group);
    serverLabel->setBuddy(server);
    auto *bdLabel = new QLabel(QStringLiteral("Banco de Dados:"), group);
    bdLabel->setBuddy(bd);
    auto *grid = new QGridLayout(group);
    grid->addWidget(serverLabel, 0, 0);
    grid->addWidget(server, 0, 1, 1, 2);
    grid->addWidget(bdLabel, 1, 0);
    grid->addWidget(bd, 1, 1);
    grid->addWidget(bdBrowse, 1, 2);

    panel1 = new QTextEdit(this);
    panel1->setObjectName(QStringLiteral("panel1"));
    panel1->setReadOnly(true);
    panel1->setFocusPolicy(Qt::NoFocus);
    panel1->setStyleSheet(QStringLiteral("QTextEdit { background: black; color: lime; font-weight: bold; }"));
    panel1->setFixedHeight(72);

    BitBtn2 = new QPushButton(QStringLiteral("&Aplicar"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    BitBtn3 = new QPushButton(QStringLiteral("&Retornar"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Image1);
    layout->addWidget(group);
    layout->addWidget(panel1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
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
    guarded(this, [this] { data::StockSummary::ensureInstalled(m_dm->IBDatabase1); });
    data::StockSummary::tryFold(m_dm->IBDatabase1);
    // Each movement adds a row to the stock summaries; merging them now and
    // then keeps every stock figure a sum of a few rows.
    if (!m_foldTimer) {
        m_foldTimer = new QTimer(this);
        m_foldTimer->setInterval(10 * 60 * 1000);
        connect(m_foldTimer, &QTimer::timeout, this,
                [this] { data::StockSummary::tryFold(m_dm->IBDatabase1); });
        m_foldTimer->start();
    }

    auto *login = windows().get<TfrmLogin>();
    if (!login)
        return true;
    m_loggedIn = login->exec() == QDialog::Accepted;
    return m_loggedIn;
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
