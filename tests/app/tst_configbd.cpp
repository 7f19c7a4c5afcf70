#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "app/Unitconfgbd.h"
#include "core/BancoRecord.h"
#include "data/UnitDM.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

class TestConfigbd : public QObject
{
    Q_OBJECT
    data::TDM *dm = nullptr;

private slots:
    void initTestCase() { dm = new data::TDM; }
    void cleanupTestCase() { delete dm; }

    void applyWritesTheRecordAndRelaunches()
    {
        Tfrmconfigbd w(dm);
        QStringList launched;
        w.setLauncher([&](const QString &program, const QStringList &args) {
            launched << program << args;
            return true;
        });
        QSignalSpy ending(&w, &Tfrmconfigbd::endRequested);
        w.server->setText(QString(45, QLatin1Char('s')));
        w.bd->setText("/dados/EMPRESA.GDB");
        ScriptedPrompter p;
        p.info("O Sistema precisa ser reiniciado para que as novas alterações entrem em vigor!", "Confirmação");
        w.BitBtn2->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(ending.count(), 1);
        QCOMPARE(launched, QStringList({QCoreApplication::applicationFilePath(), "--relaunch"}));

        auto settings = core::openUserSettings();
        const QByteArray bytes = settings->value("banco").toByteArray();
        QCOMPARE(bytes.size(), 142);
        QCOMPARE(int(quint8(bytes[0])), 40);
        QCOMPARE(bytes.mid(1, 40), QByteArray(40, 's'));
        QCOMPARE(int(quint8(bytes[41])), 18);
        QCOMPARE(bytes.mid(42, 18), QByteArray("/dados/EMPRESA.GDB"));
    }

    void emptyFieldsAreStoredAsLengthZero()
    {
        Tfrmconfigbd w(dm);
        w.setLauncher([](const QString &, const QStringList &) { return false; });
        w.server->clear();
        w.bd->clear();
        ScriptedPrompter p;
        p.info("O Sistema precisa ser reiniciado para que as novas alterações entrem em vigor!", "Confirmação");
        p.error("O Sistema não foi capaz de se Auto-Reiniciar, faça-o manualmente!", "Reinicialização");
        w.BitBtn2->click();
        QVERIFY_PROMPTS(p);
        auto settings = core::openUserSettings();
        const QByteArray bytes = settings->value("banco").toByteArray();
        QCOMPARE(bytes.size(), 142);
        QCOMPARE(int(bytes[0]), 0);
        QCOMPARE(int(bytes[41]), 0);
    }

    void fieldHelpFollowsTheFocus()
    {
        Tfrmconfigbd w(dm);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.server->setFocus();
        QCOMPARE(w.panel1->toPlainText(), Tfrmconfigbd::serverHelp());
        w.bd->setFocus();
        QCOMPARE(w.panel1->toPlainText(),
                 QString("Informe o caminho onde esta localizado o Banco de Dados \".GDB\", em caso de duvidas "
                         "entre em contato com o administrador da rede ou do sistema."));
    }

    void unreachableDatabaseRunsUnconnectedWithoutLogin()
    {
        Tfrmconfigbd w(dm);
        ScriptedPrompter p;
        p.error("O arquivo do banco de dados não existe:*", "Quelvora");
        QVERIFY(w.connectAtStartup(QString("/nao/existe/X.GDB")));
        QVERIFY_PROMPTS(p);
        QVERIFY(!dm->IBDatabase1->isConnected());
        // The override left the stored record alone.
        auto settings = core::openUserSettings();
        QCOMPARE(core::readBanco(*settings)->path, QString());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestConfigbd t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_configbd.moc"
