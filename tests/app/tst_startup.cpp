#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "app/Application.h"
#include "app/UnitLogin.h"
#include "app/UnitPrincipal.h"
#include "app/Unitconfgbd.h"
#include "core/BancoRecord.h"
#include "data/UnitDM.h"
#include "widgets/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstdlib>
#include <memory>

// The whole start-up of the program, as run() does it, in this process.
class TestStartup : public QObject
{
    Q_OBJECT

    // Logs in as the default user as soon as the login window is up.
    static void answerLogin()
    {
        auto *timer = new QTimer;
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, timer, [timer] {
            auto *login = qobject_cast<TfrmLogin *>(QApplication::activeModalWidget());
            if (!login)
                return;
            QTest::keyClicks(login->edusuario, "quelvora");
            QTest::keyClicks(login->edsenha, "quelvora");
            login->BitBtn2->click();
            timer->deleteLater();
        });
        timer->start();
    }

    static app::Options options(const std::optional<QString> &database)
    {
        app::Options o;
        o.splash = false;
        o.database = database;
        return o;
    }

private slots:
    // After a failed connection at start the main window comes up, but only
    // the configuration, the help windows and the exit work; nothing
    // connects behind the user's back.
    void failedStartOpensNoDataWindow()
    {
        ScriptedPrompter p;
        p.error("O arquivo do banco de dados não existe:*", "Quelvora");
        app::Startup startup(options(QStringLiteral("/nao/existe/X.GDB")));
        QVERIFY(startup.start());
        QVERIFY_PROMPTS(p);
        TfrmPrincipal *main = startup.mainWindow();
        QVERIFY(!main->isLoggedIn());

        QStringList enabled;
        for (QAction *a : main->menuItems())
            if (a->isEnabled())
                enabled << a->objectName();
        for (const QString &item : enabled)
            QVERIFY2(item.startsWith("&Ajuda|") || item == "&Ferramentas|Configurar Banco de Dados",
                     qPrintable(item));
        QVERIFY(enabled.contains("&Ferramentas|Configurar Banco de Dados"));
        QVERIFY(enabled.contains("&Ajuda|&Sobre o Sistema"));
        for (int i = 1; i <= 9; ++i)
            if (main->SpeedButton[i])
                QCOMPARE(main->SpeedButton[i]->isEnabled(), i == 6);

        // Even an item forced on opens nothing and reads nothing.
        QWidget *users = widgets::windows().find("TfrmUsuario");
        QVERIFY(users);
        QAction *item = main->menuItem("&Ferramentas|&Manutenção de Usuário(s)");
        item->setEnabled(true);
        QStringList opened;
        QTimer::singleShot(200, [&] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                opened << w->objectName();
                w->close();
            }
        });
        item->trigger();
        QTest::qWait(300);
        QVERIFY2(opened.isEmpty(), qPrintable(opened.join(',')));
        QVERIFY(!users->isVisible());
        QVERIFY(!startup.dataModule()->IBDatabase1->isConnected());
        QVERIFY_PROMPTS(p);
    }

    void loginOpensEverything()
    {
        TestDatabase tdb;
        ScriptedPrompter p;
        answerLogin();
        app::Startup startup(options(tdb.path()));
        QVERIFY(startup.start());
        TfrmPrincipal *main = startup.mainWindow();
        QVERIFY(main->isLoggedIn());
        QVERIFY(main->menuItem("&Ferramentas|&Manutenção de Usuário(s)")->isEnabled());
        QVERIFY(main->menuItem("&Cadastro|&Essência")->isEnabled());
        QVERIFY(main->SpeedButton[1]->isEnabled());
        QVERIFY_PROMPTS(p);
    }

    // "&Aplicar" starts a new copy while this one ends: the new copy must
    // wait until this one has let go of the database, then connect and
    // show its login. A real second process, as in use.
    void relaunchWaitsForTheEndingCopy()
    {
        const QString program = qEnvironmentVariable("QUELVORA_TEST_BUILD_DIR") + QStringLiteral("/src/quelvora");
        QVERIFY2(QFile::exists(program), qPrintable(program));
        TestDatabase tdb;
        {
            auto settings = core::openUserSettings();
            QVERIFY(core::writeBanco(*settings, core::BancoRecord{QString(), tdb.path()}));
        }
        ScriptedPrompter p;
        answerLogin();
        auto startup = std::make_unique<app::Startup>(options(std::nullopt));
        QVERIFY(startup->start());
        QVERIFY(startup->dataModule()->IBDatabase1->isConnected());

        QProcess copy;
        copy.setProcessChannelMode(QProcess::SeparateChannels);
        auto *config = widgets::windows().get<Tfrmconfigbd>();
        config->setLauncher([&](const QString &, const QStringList &arguments) {
            copy.start(program, arguments);
            return copy.waitForStarted(5000);
        });
        p.info("O Sistema precisa ser reiniciado para que as novas alterações entrem em vigor!", "Confirmação");
        config->BitBtn2->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(copy.state(), QProcess::Running);

        // This copy takes its time to end, its database still open: the new
        // copy must not go on (it would reach the database) until it is gone.
        QByteArray seen;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 8000 && !seen.contains("windows-created")) {
            QTest::qWait(100);
            seen += copy.readAllStandardError();
        }
        QVERIFY2(!seen.contains("windows-created"), seen.constData());
        startup.reset();

        t.restart();
        while (t.elapsed() < 30000 && !seen.contains("login-shown") && copy.state() == QProcess::Running) {
            copy.waitForReadyRead(100);
            seen += copy.readAllStandardError();
        }
        copy.kill();
        copy.waitForFinished(5000);
        QVERIFY2(seen.contains("login-shown"), seen.constData());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    // The single-instance guard lives in the temporary folder: one of our own.
    static QTemporaryDir scratch;
    setenv("TMPDIR", scratch.path().toLocal8Bit().constData(), 1);
    setenv("QUELVORA_TRACE_STARTUP", "1", 1);
    QApplication app(argc, argv);
    TestStartup t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_startup.moc"
