#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "app/UnitPrincipal.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "sawn/UnitProducao.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// The two ways to the production window ask different questions first: the
// menu item looks for log lines, the speed button for log invoices, each
// with its own message.
class TestProductionMenu : public QObject
{
    Q_OBJECT

private slots:
    void menuAndSpeedButtonCheckDifferentTables()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        TfrmPrincipal main;
        main.setDM(&dm);
        TfrmProducao production(&dm, &main);
        widgets::windows().add(&production);
        main.setLoggedIn(true);
        QAction *item = main.menuItem(QStringLiteral("Lançamento|&Produção|Madeira Serrada"));
        QVERIFY(item);
        QVERIFY(item->isEnabled());
        QToolButton *speed = main.SpeedButton[3];
        QVERIFY(speed && speed->isEnabled());

        QStringList shown;
        auto closeModal = [&] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                shown << w->objectName();
                QTest::keyClick(w, Qt::Key_Escape);
            }
        };
        ScriptedPrompter p;
        p.info("Não há lançamento(s) de Entrada(s), Verífique!", "Informação");
        item->trigger();
        QVERIFY_PROMPTS(p);
        p.info("Não há lançamentos de Entrada, por favor Verífique!", "Informação");
        speed->click();
        QVERIFY_PROMPTS(p);

        // A log line without its invoice: the menu opens, the button does not.
        data::execute(dm.IBDatabase1, "insert into ENTRADA_TOROS_DISCRIMINACAO (CODIGOPRODUTO, NFNUMERO, "
                                      "CODIGOFORNECEDOR, QUANTIDADE, SITUACAO, CPF) values (1, 1, 1, 2, 0, 1)");
        QTimer::singleShot(200, closeModal);
        item->trigger();
        QCOMPARE(shown, QStringList({"TfrmProducao"}));
        p.info("Não há lançamentos de Entrada, por favor Verífique!", "Informação");
        speed->click();
        QVERIFY_PROMPTS(p);

        data::execute(dm.IBDatabase1, "insert into ENTRADA_TOROS (NF_NUMERO, CODIGOFORNECEDOR, RAZAO_SOCIAL) "
                                      "values (1, 1, 'X')");
        shown.clear();
        QTimer::singleShot(200, closeModal);
        speed->click();
        QCOMPARE(shown, QStringList({"TfrmProducao"}));
        QVERIFY(!production.isVisible());
        widgets::windows().clear();
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestProductionMenu t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_productionmenu.moc"
