#include "RegisterTestKit.h"
#include "ScriptedPrompter.h"
#include "TestDataModule.h"

#include "data/UnitDM.h"
#include "registers/UnitEssencia.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

using B = widgets::RegisterWindow::Button;

class TestEssencia : public QObject
{
    Q_OBJECT

    static QString stored(data::TDM &dm, const QString &sql)
    {
        QSqlQuery q(dm.IBDatabase1->database());
        q.exec(sql);
        return q.next() ? q.value(0).toString() : QStringLiteral("<none>");
    }
    static void insertSpecies(data::TDM &dm, const QStringList &names)
    {
        QSqlQuery q(dm.IBDatabase1->database());
        for (const QString &n : names) {
            q.prepare(QStringLiteral("INSERT INTO ESSENCIA (ESSENCIA, ETOROS, TENTRADA, TSAIDA) VALUES (?, 0, 0, 0)"));
            q.addBindValue(n);
            QVERIFY(q.exec());
        }
    }
    static void open(TfrmEssencia &w)
    {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

private slots:
    void newSpeciesInLowerCaseIsStoredUpperWithZeros()
    {
        TestDataModule dm;
        TfrmEssencia w(&dm);
        open(w);
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Cadastro de Essência"));
        // An empty table opens on a new row, buttons enabled.
        QCOMPARE(dm.TEssencia->state(), data::DataSetState::Insert);
        QVERIFY(w.button(B::Incluir)->isEnabled());

        kit::type(w.DBEdit2, QStringLiteral("ipê roxo"));
        QCOMPARE(w.DBEdit2->text(), QStringLiteral("IPÊ ROXO"));
        ScriptedPrompter p;
        p.question(QStringLiteral("Confirma Inclusão?"), QStringLiteral("Confirmação"), true)
            .question(QStringLiteral("Gostaria de incluir outra Essência?"), QStringLiteral("Confirmação"), false);
        QTest::keyClick(w.DBEdit2, Qt::Key_Return); // Enter presses "&Gravar"
        QVERIFY_PROMPTS(p);
        QCOMPARE(stored(dm, "select ESSENCIA || '|' || ETOROS || '|' || TENTRADA || '|' || TSAIDA || '|' || ESERRADA "
                            "|| '|' || EINICIAL from ESSENCIA"),
                 QStringLiteral("IPÊ ROXO|0.000000000000000|0.000000000000000|0.000000000000000|0.000000000000000|0.000000000000000"));

        // "&Incluir" again: a new row with the zeros; three buttons off until the save.
        w.button(B::Incluir)->click();
        QVERIFY(!w.button(B::Incluir)->isEnabled());
        QVERIFY(!w.button(B::Pesquisar)->isEnabled());
        QVERIFY(!w.button(B::Retornar)->isEnabled());
        kit::type(w.DBEdit2, QStringLiteral("cumaru"));
        p.question(QStringLiteral("Confirma Inclusão?"), QStringLiteral("Confirmação"), true)
            .question(QStringLiteral("Gostaria de incluir outra Essência?"), QStringLiteral("Confirmação"), true);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        // Yes to "another": a new pending row, buttons still off.
        QCOMPARE(dm.TEssencia->state(), data::DataSetState::Insert);
        QVERIFY(!w.button(B::Retornar)->isEnabled());
        QCOMPARE(stored(dm, "select count(*) from ESSENCIA where ETOROS = 0 and EINICIAL = 0"), QStringLiteral("2"));

        // Esc does nothing while "&Retornar" is off; "&Cancelar" then Esc closes.
        w.reject();
        QVERIFY(w.isVisible());
        w.button(B::Cancelar)->click();
        QVERIFY(w.button(B::Retornar)->isEnabled());
        w.reject();
        QVERIFY(!w.isVisible());
        QVERIFY(!dm.TEssencia->isActive());
    }

    void duplicateIsRefusedAndRowStaysPending()
    {
        TestDataModule dm;
        dm.IBDatabase1->open();
        insertSpecies(dm, {QStringLiteral("CUMARU")});
        TfrmEssencia w(&dm);
        open(w);
        QCOMPARE(dm.TEssencia->state(), data::DataSetState::Edit); // editing the first row
        w.button(B::Incluir)->click();
        kit::type(w.DBEdit2, QStringLiteral("Cumaru"));
        ScriptedPrompter p;
        p.question(QStringLiteral("Confirma Inclusão?"), QStringLiteral("Confirmação"), true)
            .warning(QStringLiteral("Essência já Cadastrada!"), QStringLiteral("Essência"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(w.DBEdit2->text(), QString());
        QCOMPARE(dm.TEssencia->state(), data::DataSetState::Insert);
        QVERIFY(!w.button(B::Incluir)->isEnabled());
        // Another name saves the same pending row.
        kit::type(w.DBEdit2, QStringLiteral("JATOBÁ"));
        p.question(QStringLiteral("Confirma Inclusão?"), QStringLiteral("Confirmação"), true)
            .question(QStringLiteral("Gostaria de incluir outra Essência?"), QStringLiteral("Confirmação"), false);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(stored(dm, "select count(*) from ESSENCIA"), QStringLiteral("2"));
        QVERIFY(w.button(B::Incluir)->isEnabled());

        // No to the confirmation keeps the typed name in the pending row.
        w.button(B::Incluir)->click();
        kit::type(w.DBEdit2, QStringLiteral("ANGELIM"));
        p.question(QStringLiteral("Confirma Inclusão?"), QStringLiteral("Confirmação"), false);
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(dm.TEssencia->asString(QStringLiteral("ESSENCIA")), QStringLiteral("ANGELIM"));
        QCOMPARE(stored(dm, "select count(*) from ESSENCIA"), QStringLiteral("2"));

        // Empty name: the check comes before any question.
        w.DBEdit2->clear();
        emit w.DBEdit2->textEdited(QString());
        p.info(QStringLiteral("Essência deve ser informada!"), QStringLiteral("Inscrições"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
    }

    // Nothing is stored without "&Gravar": a rename left by moving to
    // another row is dropped, not saved without its question.
    void renameThenMoveDropsTheChange_andGravarOnBrowsedRowReports()
    {
        TestDataModule dm;
        dm.IBDatabase1->open();
        insertSpecies(dm, {QStringLiteral("ANGELIM"), QStringLiteral("CEDRO"), QStringLiteral("PEROBA")});
        TfrmEssencia w(&dm);
        open(w);
        QCOMPARE(w.DBEdit2->text(), QStringLiteral("ANGELIM"));
        w.DBEdit2->selectAll();
        kit::type(w.DBEdit2, QStringLiteral("ANGELIM PEDRA"));
        ScriptedPrompter p; // no box at all
        w.DBGrid1->selectRow(2);
        QVERIFY_PROMPTS(p);
        QCOMPARE(stored(dm, "select ESSENCIA from ESSENCIA order by CODIGO"), QStringLiteral("ANGELIM"));
        QCOMPARE(w.DBEdit2->text(), QStringLiteral("PEROBA"));

        // Nothing is being edited now: the save reports the duplicate text and writes nothing.
        QCOMPARE(dm.TEssencia->state(), data::DataSetState::Browse);
        p.question(QStringLiteral("Confirma Inclusão?"), QStringLiteral("Confirmação"), true)
            .warning(QStringLiteral("Essência já Cadastrada!"), QStringLiteral("Essência"));
        w.button(B::Gravar)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(stored(dm, "select count(*) from ESSENCIA where ESSENCIA = 'PEROBA'"), QStringLiteral("1"));
    }

    void searchLocatesIgnoringCase_orderAndDelete()
    {
        TestDataModule dm;
        dm.IBDatabase1->open();
        insertSpecies(dm, {QStringLiteral("PIQUIA"), QStringLiteral("AMESCLA"), QStringLiteral("Pinus"),
                           QStringLiteral("TAUARI")});
        TfrmEssencia w(&dm);
        open(w);
        ScriptedPrompter p;
        w.button(B::Pesquisar)->click();
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Pesquisa de Essência"));
        QVERIFY(w.Edit1->isVisible());
        QVERIFY(!w.DBEdit2->isVisible());
        QVERIFY(w.button(B::Excluir)->isVisible());
        QVERIFY(!w.button(B::Gravar)->isVisible());
        kit::type(w.Edit1, QStringLiteral("pi"));
        QCOMPARE(dm.TEssencia->asString(QStringLiteral("ESSENCIA")), QStringLiteral("PIQUIA")); // name order
        kit::type(w.Edit1, QStringLiteral("x"));
        QCOMPARE(dm.TEssencia->asString(QStringLiteral("ESSENCIA")), QStringLiteral("PIQUIA"));

        // In code order the first name beginning with "PI" is "PIQUIA" too; "P" alone finds Pinus second.
        w.ComboBox1->setCurrentIndex(w.ComboBox1->findText(QStringLiteral("CÓDIGO")));
        emit w.ComboBox1->activated(w.ComboBox1->currentIndex());
        QCOMPARE(dm.TEssencia->indexFieldNames(), QStringLiteral("CODIGO"));
        w.Edit1->clear();
        kit::type(w.Edit1, QStringLiteral("pin"));
        QCOMPARE(dm.TEssencia->asString(QStringLiteral("ESSENCIA")), QStringLiteral("Pinus"));

        p.question(QStringLiteral("Confirma Exclusão desta essência?"), QStringLiteral("Confirmação"), true);
        w.button(B::Excluir)->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(stored(dm, "select count(*) from ESSENCIA"), QStringLiteral("3"));

        w.button(B::Cadastro)->click(); // "&Ocultar"
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Cadastro de Essência"));
        QVERIFY(w.DBEdit2->isVisible());
        QVERIFY(!w.Edit1->isVisible());
    }

    void emptyTableSearchAndDelete()
    {
        TestDataModule dm;
        TfrmEssencia w(&dm);
        open(w);
        ScriptedPrompter p;
        p.warning(QStringLiteral("Não há Essência cadastrada para pesquisa!"), QStringLiteral("Informação"));
        w.button(B::Pesquisar)->click();
        QVERIFY_PROMPTS(p);
        QVERIFY(w.DBEdit2->isVisible());
        QCOMPARE(w.titleLabel()->text(), QStringLiteral("Cadastro de Essência"));
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestEssencia t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_essencia.moc"
