#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "app/UnitUsuario.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestUsuario : public QObject
{
    Q_OBJECT
    TestDatabase *tdb = nullptr;
    data::TDM *dm = nullptr;
    TfrmUsuario *w = nullptr;

    int users()
    {
        data::Query q(dm->IBDatabase1, "select * from LOGIN");
        q.open();
        return q.recordCount();
    }

private slots:
    void init()
    {
        tdb = new TestDatabase;
        dm = new data::TDM;
        dm->IBDatabase1->setDatabaseName(tdb->path());
        w = new TfrmUsuario(dm);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup()
    {
        delete w;
        delete dm;
        delete tdb;
    }

    void opensEditingTheFirstUser()
    {
        QCOMPARE(dm->TLOGIN->state(), data::DataSetState::Edit);
        QCOMPARE(w->DBEdit1->text(), QString("quelvora"));
        QCOMPARE(w->DBEdit1->maxLength(), 15);
        QCOMPARE(w->DBEdit2->maxLength(), 10);
        // Passwords show a "*" for every character.
        QCOMPARE(w->DBEdit2->displayText(), QString("********"));
        QTest::keyClicks(w->C, "abc");
        QCOMPARE(w->C->displayText(), QString("***"));
        QCOMPARE(QApplication::focusWidget(), w->Edit1);
    }

    void mismatchedConfirmationClearsBothAndSavesNothing()
    {
        ScriptedPrompter p;
        p.info("Confirmação de Senha diferente da senha, Verífique!", "Informação");
        w->BitBtn1->click();
        QTest::keyClicks(w->DBEdit1, "maria");
        QTest::keyClicks(w->DBEdit2, "abc");
        QTest::keyClicks(w->C, "abd");
        w->BitBtn4->click();
        QVERIFY_PROMPTS(p);
        QVERIFY(w->DBEdit2->text().isEmpty());
        QVERIFY(w->C->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->DBEdit2));
        QCOMPARE(users(), 1);

        // Filled in again and confirmed, the user is saved.
        p.question("Confirma Manutenção de Usuário?", "Confirmação", true);
        QTest::keyClicks(w->DBEdit2, "abc");
        QTest::keyClicks(w->C, "abc");
        w->BitBtn4->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(users(), 2);
        QVERIFY(w->C->text().isEmpty());
    }

    void requiredFieldsInOrder()
    {
        ScriptedPrompter p;
        w->BitBtn1->click();
        p.info("Usuário deve ser informado!", "Informação");
        w->BitBtn4->click();
        QVERIFY_PROMPTS(p);
        QTest::keyClicks(w->DBEdit1, "ana");
        p.info("Senha deve ser informada!", "Informação");
        w->BitBtn4->click();
        QVERIFY_PROMPTS(p);
        QTest::keyClicks(w->DBEdit2, "x");
        p.info("Confirmação de Senha deve ser informada!", "Informação");
        w->BitBtn4->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(QApplication::focusWidget(), w->C);
    }

    void deletingNeedsAnotherUser()
    {
        ScriptedPrompter p;
        p.warning("É necessário pelo menos um usuário cadastrado!", "Informação");
        w->BitBtn3->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(users(), 1);

        p.question("Confirma Manutenção de Usuário?", "Confirmação", true);
        w->BitBtn1->click();
        QTest::keyClicks(w->DBEdit1, "jose");
        QTest::keyClicks(w->DBEdit2, "1");
        QTest::keyClicks(w->C, "1");
        w->BitBtn4->click();
        QCOMPARE(users(), 2);

        p.question("Confirma Exclusão?", "Confirmação", false);
        w->BitBtn3->click();
        QCOMPARE(users(), 2);
        p.question("Confirma Exclusão?", "Confirmação", true);
        w->BitBtn3->click();
        QCOMPARE(users(), 1);
        QVERIFY_PROMPTS(p);
    }

    QString storedPassword(const QString &user)
    {
        data::Query q(dm->IBDatabase1, "select SENHA from LOGIN where USUARIO = '" + user + "'");
        q.open();
        return q.asString("SENHA");
    }

    // A changed password is stored only by "&Gravar" with its confirmation:
    // searching and leaving drop it.
    void searchingDropsAPendingChange()
    {
        ScriptedPrompter p;
        w->DBEdit2->setFocus();
        w->DBEdit2->selectAll();
        QTest::keyClicks(w->DBEdit2, "nova");
        QCOMPARE(dm->TLOGIN->state(), data::DataSetState::Edit);
        QTest::mouseClick(w->Edit1, Qt::LeftButton);
        QTest::keyClicks(w->Edit1, "q");
        QCOMPARE(storedPassword("quelvora"), QString("quelvora"));
        w->BitBtn5->click();
        QCOMPARE(storedPassword("quelvora"), QString("quelvora"));

        // A new user half typed is not stored by a search either.
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->BitBtn1->click();
        QTest::keyClicks(w->DBEdit1, "intruso");
        QTest::keyClicks(w->DBEdit2, "x");
        QTest::mouseClick(w->Edit1, Qt::LeftButton);
        QTest::keyClicks(w->Edit1, "Q");
        w->BitBtn5->click();
        QCOMPARE(users(), 1);
        QVERIFY_PROMPTS(p);
    }

    void searchFollowsTheTypedBeginning()
    {
        ScriptedPrompter p;
        p.question("Confirma Manutenção de Usuário?", "Confirmação", true);
        w->BitBtn1->click();
        QTest::keyClicks(w->DBEdit1, "BEATRIZ");
        QTest::keyClicks(w->DBEdit2, "1");
        QTest::keyClicks(w->C, "1");
        w->BitBtn4->click();
        QVERIFY_PROMPTS(p);
        w->Edit1->setFocus();
        QTest::keyClicks(w->Edit1, "qu");
        QCOMPARE(w->Edit1->text(), QString("QU"));
        QCOMPARE(w->DBEdit1->text(), QString("quelvora"));
        QTest::keyClicks(w->Edit1, "zz");
        QCOMPARE(w->DBEdit1->text(), QString("quelvora"));
        w->BitBtn5->click();
        QVERIFY(!w->isVisible());
        QVERIFY(!dm->TLOGIN->isActive());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestUsuario t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_usuario.moc"
