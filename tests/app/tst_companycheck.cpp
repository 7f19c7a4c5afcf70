#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "app/UnitPrincipal.h"
#include "data/UnitDM.h"
#include "registers/UnitManutencao1.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

// The report items first make sure the company's data exist: without a
// MANUTENCAO row they say so and open the company window instead.
class TestCompanyCheck : public QObject
{
    Q_OBJECT

private slots:
    void reportItemWithoutCompanyOpensCompanyWindow()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        TfrmPrincipal main;
        main.setDM(&dm);
        TfrmManutencao1 company(&dm, &main);
        widgets::windows().add(&company);
        // A stand-in report window: the report windows come later, and the
        // item is enabled only when its window exists.
        QDialog report(&main);
        widgets::windows().add(QStringLiteral("TfrmRProducao"), &report);
        main.setLoggedIn(true);
        QAction *item = main.menuItem(QStringLiteral("&Relatório|Produção|&Lançamento"));
        QVERIFY(item);
        QVERIFY(item->isEnabled());

        // A company row, then deleted: the check must look at the table now.
        dm.TManutencao->open();
        dm.TManutencao->append();
        dm.TManutencao->setValue("NOMEEMPRESA", "MADEIREIRA TESTE LTDA");
        dm.TManutencao->post();
        dm.TManutencao->remove();
        dm.TManutencao->close();

        QStringList shown;
        auto closeModal = [&] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                shown << w->objectName();
                if (auto *d = qobject_cast<QDialog *>(w))
                    d->reject();
            }
        };
        ScriptedPrompter p;
        p.info("Parametros da Empresa não informados, Verífique!", "Informação");
        QTimer::singleShot(200, closeModal);
        item->trigger();
        QVERIFY_PROMPTS(p);
        QCOMPARE(shown, QStringList({"TfrmManutencao1"}));

        // With the company back, the item goes on to its report window.
        dm.TManutencao->open();
        dm.TManutencao->append();
        dm.TManutencao->setValue("NOMEEMPRESA", "MADEIREIRA TESTE LTDA");
        dm.TManutencao->post();
        dm.TManutencao->close();
        report.setObjectName("TfrmRProducao");
        shown.clear();
        QTimer::singleShot(200, closeModal);
        item->trigger();
        QVERIFY_PROMPTS(p);
        QCOMPARE(shown, QStringList({"TfrmRProducao"}));
        widgets::windows().clear();
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestCompanyCheck t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_companycheck.moc"
