#include "ReportTestKit.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include "app/UnitPrincipal.h"
#include "data/UnitDM.h"
#include "reports/ReportDocument.h"
#include "widgets/ReportPreview.h"
#include "widgets/ReportWindow.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

// "&Relatório" › "Estoque do &Patio" › "Madeira em Toro": the checks of the
// main menu, then the yard stock report in the preview.
class TestRepEstoqueLauncher : public QObject
{
    Q_OBJECT

private slots:
    void launcher()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        reporttest::FixedClock clock;
        TfrmPrincipal main;
        main.setDM(&dm);
        widgets::ReportWindow report(QStringLiteral("RepEstoque"), &dm, &main);
        widgets::windows().add(QStringLiteral("RepEstoque"), &report);
        QDialog company(&main);
        company.setObjectName(QStringLiteral("TfrmManutencao1"));
        widgets::windows().add(QStringLiteral("TfrmManutencao1"), &company);
        main.setLoggedIn(true); // the menu's data items wait for a login
        main.updateAvailability();
        QAction *item = main.menuItem(QStringLiteral("&Relatório|Estoque do &Patio|Madeira em Toro"));
        QVERIFY(item);
        QVERIFY(item->isEnabled());

        QStringList shown;
        QStringList pageOne;
        auto closeModal = [&] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w)
                return;
            shown << w->objectName() + QLatin1Char('|') + w->windowTitle();
            if (auto *preview = qobject_cast<widgets::ReportPreview *>(w))
                pageOne = preview->document().pageLines(0);
            if (auto *d = qobject_cast<QDialog *>(w))
                d->reject();
        };

        // No company: the message and the company window.
        ScriptedPrompter p;
        p.info(QStringLiteral("Parametros da Empresa não informados, Verífique!"), QStringLiteral("Informação"));
        QTimer::singleShot(200, closeModal);
        item->trigger();
        QVERIFY_PROMPTS(p);
        QCOMPARE(shown, QStringList{QStringLiteral("TfrmManutencao1|")});

        // A company but no log line at all.
        reporttest::addCompany(dm.IBDatabase1);
        p.info(QStringLiteral("Não há lançamento(s) de Entrada(s), Verífique!"), QStringLiteral("Informação"));
        item->trigger();
        QVERIFY_PROMPTS(p);

        // Only sawn logs: the report is still shown, empty, with its total.
        reporttest::addLog(dm.IBDatabase1, QStringLiteral("IPE"), 9, 2.0, true);
        shown.clear();
        QTimer::singleShot(200, closeModal);
        item->trigger();
        QVERIFY_PROMPTS(p);
        QCOMPARE(shown, QStringList{QStringLiteral("ReportPreview|Controle da Produção e do Estoque")});
        QVERIFY(pageOne.contains(QStringLiteral("TOTAL 0,0000")));

        // Logs in the yard.
        reporttest::addLog(dm.IBDatabase1, QStringLiteral("IPE"), 10, 1.25);
        reporttest::addLog(dm.IBDatabase1, QStringLiteral("IPE"), 11, 0.5);
        shown.clear();
        QTimer::singleShot(200, closeModal);
        item->trigger();
        QVERIFY_PROMPTS(p);
        QCOMPARE(shown.size(), 1);
        QVERIFY(pageOne.contains(QStringLiteral("IPE")));
        QVERIFY(pageOne.contains(QStringLiteral("TOTAL 1,7500")));
        widgets::windows().clear();
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestRepEstoqueLauncher t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_repestoque.moc"
