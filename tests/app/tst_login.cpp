#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "app/UnitLogin.h"
#include "app/UnitPrincipal.h"
#include "data/UnitDM.h"
#include "widgets/KeyNavigation.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using widgets::MessageKind;

class TestLogin : public QObject
{
    Q_OBJECT
    TestDatabase *tdb = nullptr;
    data::TDM *dm = nullptr;
    TfrmLogin *w = nullptr;

    void tryLogin(const QString &user, const QString &password)
    {
        w->edusuario->setText(user);
        w->edsenha->setText(password);
        w->BitBtn2->click();
    }

private slots:
    void initTestCase()
    {
        widgets::KeyNavigator::instance().install();
        tdb = new TestDatabase;
        dm = new data::TDM;
        dm->IBDatabase1->setDatabaseName(tdb->path());
    }
    void init()
    {
        w = new TfrmLogin(dm);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }
    void cleanup() { delete w; }
    void cleanupTestCase()
    {
        delete dm;
        delete tdb;
    }

    void userIsCaseInsensitivePasswordIsNot()
    {
        ScriptedPrompter p;
        p.error("Senha invália ou digitada incorretamente, Verífique!", "Login");
        tryLogin("QUELVORA", "QUELVORA");
        QVERIFY_PROMPTS(p);
        QVERIFY(w->isVisible());
        QVERIFY(w->edsenha->text().isEmpty());
        QCOMPARE(w->edusuario->text(), QString("QUELVORA"));
        QCOMPARE(QApplication::focusWidget(), w->edsenha);

        QSignalSpy accepted(w, &QDialog::accepted);
        tryLogin("QuelVora", "quelvora");
        QVERIFY_PROMPTS(p);
        QCOMPARE(accepted.count(), 1);
        QVERIFY(!dm->TLOGIN->isActive());
    }

    void prefixOfAUserIsRefused()
    {
        ScriptedPrompter p;
        p.error("Usuário inválido ou digitado incorretamente, Verífique!", "Login");
        tryLogin("quel", "quelvora");
        QVERIFY_PROMPTS(p);
        QVERIFY(w->edusuario->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), w->edusuario);
    }

    void emptyFieldsGiveOneMessageEach()
    {
        ScriptedPrompter p;
        p.warning("Usuário deve ser informado!", "Login");
        tryLogin("", "");
        QVERIFY_PROMPTS(p);
        QCOMPARE(QApplication::focusWidget(), w->edusuario);
        p.clear();
        p.warning("Senha deve ser informada!", "Login");
        tryLogin("quelvora", "");
        QVERIFY_PROMPTS(p);
        QCOMPARE(QApplication::focusWidget(), w->edsenha);
    }

    void enterWalksToLogarThenPressesIt()
    {
        ScriptedPrompter p;
        w->edusuario->setFocus();
        QTest::keyClicks(w->edusuario, "quelvora");
        QTest::keyClick(w->edusuario, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w->edsenha);
        QTest::keyClicks(w->edsenha, "quelvora");
        QCOMPARE(w->edsenha->displayText(), QString("********"));
        QSignalSpy accepted(w, &QDialog::accepted);
        QTest::keyClick(w->edsenha, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w->BitBtn2);
        QCOMPARE(accepted.count(), 0);
        QTest::keyClick(w->BitBtn2, Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
        QVERIFY_PROMPTS(p);
    }

    void escapeMovesBackInsteadOfCancelling()
    {
        ScriptedPrompter p; // no box may come
        w->edsenha->setFocus();
        QTest::keyClick(w->edsenha, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), w->edusuario);
        QVERIFY(w->isVisible());
        QVERIFY_PROMPTS(p);
    }

    void cancelAsksAndEndsOnlyOnYes()
    {
        ScriptedPrompter p;
        p.question("O Sistema será encerrado, Confirma?", "Login", false);
        w->BitBtn3->click();
        QVERIFY(w->isVisible());
        QCOMPARE(QApplication::focusWidget(), w->edusuario);
        p.question("O Sistema será encerrado, Confirma?", "Login", true);
        QSignalSpy rejected(w, &QDialog::rejected);
        w->BitBtn3->click();
        QCOMPARE(rejected.count(), 1);
        QVERIFY_PROMPTS(p);
    }

    void exitQuestionOnF3AndCloseBox()
    {
        TfrmPrincipal main;
        main.setDM(dm);
        QSignalSpy exits(&main, &TfrmPrincipal::exitConfirmed);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        ScriptedPrompter p;
        p.question("Confirma saida do sistema?", "Confirmação", false);
        QTest::keyClick(&main, Qt::Key_F3);
        QVERIFY(main.isVisible());
        p.question("Confirma saida do sistema?", "Confirmação", false);
        main.close();
        QVERIFY(main.isVisible());
        QCOMPARE(exits.count(), 0);
        p.question("Confirma saida do sistema?", "Confirmação", true);
        main.close();
        QVERIFY(!main.isVisible());
        QCOMPARE(exits.count(), 1);
        QVERIFY_PROMPTS(p);
    }

    void realBoxCarriesCaptionIconAndButtons()
    {
        // The one test of the real boxes: answer the box that comes up.
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(QMessageBox::No)->click();
        });
        w->BitBtn3->click();
        QCOMPARE(caption, QString("Login"));
        QCOMPARE(text, QString("O Sistema será encerrado, Confirma?"));
        QCOMPARE(icon, QMessageBox::Question);
        QVERIFY(w->isVisible());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestLogin t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_login.moc"
