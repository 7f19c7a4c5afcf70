#include "FirebirdServer.h"
#include "RegisterTestKit.h"
#include "ScriptedPrompter.h"
#include "TestDataModule.h"

#include "data/UnitDM.h"
#include "registers/UnitEssencia.h"
#include "registers/Unitsubprodutos.h"
#include "widgets/DBEdit.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

using B = widgets::RegisterWindow::Button;

// The registers' save: only a duplicate is "já Cadastrado"; any other error
// is shown with the database's text and what was typed stays.
class TestRegisterSave : public QObject
{
    Q_OBJECT

    const QString kConfirm = QStringLiteral("Confirmação");

private slots:
    void otherRefusalShowsTheDatabaseText()
    {
        TestDataModule dm;
        QVERIFY(kit::exec(dm, "alter table SUBPRODUTO add constraint CK_NOMEGRAU check (NOMEGRAU <> 'TORETE')"));
        ScriptedPrompter p;
        Tfrmsubprodutos w(&dm);
        QVERIFY(kit::showActive(&w));
        w.button(B::Incluir)->click();
        kit::type(w.NOMEGRAU, QStringLiteral("torete"));
        p.question(QStringLiteral("Confirma a Inclusão/Alteração?"), kConfirm, true)
            .error(QStringLiteral("Operation violates CHECK constraint CK_NOMEGRAU*"), QStringLiteral("Quelvora"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(dm.TSUBPRODUTOS->state(), data::DataSetState::Insert);
        QCOMPARE(w.NOMEGRAU->text(), QStringLiteral("TORETE"));
        QCOMPARE(kit::scalar(dm, "select count(*) from SUBPRODUTO"), QStringLiteral("0"));
    }

    // The server stops and starts again while the species window is in use:
    // the save says the connection was lost, keeps the name, and the next
    // save, with the server back, stores it.
    void lostServerIsReportedAndTheNextSaveReconnects()
    {
        TestDatabase tdb;
        FirebirdServer server;
        QString why;
        QVERIFY2(server.start(&why), qPrintable(why));
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(server.databaseName(tdb.path()));
        ScriptedPrompter p;
        TfrmEssencia w(&dm);
        QVERIFY(kit::showActive(&w)); // an empty table opens on a new row
        kit::type(w.DBEdit2, QStringLiteral("ipê"));
        p.question(QStringLiteral("Confirma Inclusão?"), kConfirm, true)
            .question(QStringLiteral("Gostaria de incluir outra Essência?"), kConfirm, true);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);

        server.kill();
        kit::type(w.DBEdit2, QStringLiteral("cedro"));
        for (int attempt = 0; attempt < 2; ++attempt) {
            p.question(QStringLiteral("Confirma Inclusão?"), kConfirm, true)
                .error(attempt == 0 ? QStringLiteral("A conexão com o banco de dados foi perdida*")
                                    : QStringLiteral("Não foi possível conectar ao servidor do banco de dados*"),
                       QStringLiteral("Quelvora"));
            w.button(B::Gravar)->click();
            QVERIFY_PROMPTS(p);
            QVERIFY2(p.shown().last().contains(QStringLiteral("connection")), qPrintable(p.shown().last()));
            QCOMPARE(w.DBEdit2->text(), QStringLiteral("CEDRO"));
            QCOMPARE(dm.TEssencia->state(), data::DataSetState::Insert);
            QVERIFY(!w.button(B::Retornar)->isEnabled());
            p.clear();
        }

        QVERIFY2(server.start(&why), qPrintable(why));
        p.question(QStringLiteral("Confirma Inclusão?"), kConfirm, true)
            .question(QStringLiteral("Gostaria de incluir outra Essência?"), kConfirm, false);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(kit::scalar(dm, "select list(ESSENCIA, ',') from (select ESSENCIA from ESSENCIA order by CODIGO)"),
                 QStringLiteral("IPÊ,CEDRO"));
        QVERIFY(w.button(B::Retornar)->isEnabled());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestRegisterSave t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_registersave.moc"
