#include "ReportData.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include "app/UnitPrincipal.h"
#include "app/WindowList.h"
#include "data/UnitDM.h"
#include "reports/ReportDefinition.h"
#include "reports/ReportDocument.h"
#include "widgets/ReportPreview.h"
#include "widgets/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

// The report items of the main menu: the register listings and the log
// report windows, with their checks, as the program creates them.
class TestReportMenu : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TestDatabase tdb;
        data::TDM dm;
        TfrmPrincipal main;
        QStringList shown;     // modal windows that came up, by name
        QStringList firstPage; // of a preview that came up

        Fixture()
        {
            dm.IBDatabase1->setDatabaseName(tdb.path());
            main.setDM(&dm);
            widgets::windows().clear();
            // The windows of the program that these items reach.
            for (const app::WindowEntry &e : app::windowList()) {
                const QString name = QString::fromLatin1(e.className);
                if (name.startsWith(QLatin1String("Rep")) || name.startsWith(QLatin1String("TfrmR"))
                    || name == QLatin1String("TfrmManutencao1"))
                    widgets::windows().add(name, e.create(&dm, &main));
            }
            main.setLoggedIn(true);
        }
        ~Fixture() { widgets::windows().clear(); }

        // Triggers the item; the modal window it brings up is noted and closed.
        void trigger(const QString &path)
        {
            QAction *item = main.menuItem(path);
            QVERIFY2(item, qPrintable(path));
            QVERIFY2(item->isEnabled(), qPrintable(path));
            QTimer::singleShot(100, [this] {
                QWidget *w = QApplication::activeModalWidget();
                if (!w)
                    return;
                if (auto *preview = qobject_cast<widgets::ReportPreview *>(w)) {
                    shown << QStringLiteral("preview:") + preview->windowTitle();
                    firstPage = preview->document().pageLines(0);
                } else {
                    shown << w->objectName();
                }
                if (auto *d = qobject_cast<QDialog *>(w))
                    d->reject();
            });
            item->trigger();
        }
    };

    static QStringList listingItems()
    {
        return {"&Relatório|&Cadastro|&Essência",       "&Relatório|&Cadastro|&Produto",
                "&Relatório|&Cadastro|Sub-Produto",     "&Relatório|&Cadastro|&Município",
                "&Relatório|&Cadastro|Fornece&dor",     "&Relatório|&Cadastro|&Clientes",
                "&Relatório|&Cadastro|Cl&ientes Completo"};
    }
    static QStringList logReportItems()
    {
        return {"&Relatório|&Entrada de Mad em Toros|&Lançamentos", "&Relatório|&Entrada de Mad em Toros|&Detalhado",
                "&Relatório|En&trada de Mad Serrada|&Lançamento", "&Relatório|En&trada de Mad Serrada|&Detalhado",
                "&Relatório|Romaneio|Toros"};
    }

private slots:
    // Without the company's row every report item opens the company window.
    void withoutCompanyTheCompanyWindowOpens()
    {
        Fixture f;
        ScriptedPrompter p;
        for (const QString &path : listingItems() + logReportItems()) {
            f.shown.clear();
            p.info("Parametros da Empresa não informados, Verífique!", "Informação");
            f.trigger(path);
            QVERIFY_PROMPTS(p);
            QVERIFY2(f.shown == QStringList({"TfrmManutencao1"}), qPrintable(path + ": " + f.shown.join(',')));
        }
    }

    // With the company: an empty register is refused with its message; a
    // filled one opens its preview, titled as every report.
    void listingsOpenTheirPreview()
    {
        Fixture f;
        reportdata::fill(f.dm.IBDatabase1);
        ScriptedPrompter p;
        p.info("Não há Essência cadastrada!", "Informação");
        f.trigger("&Relatório|&Cadastro|&Essência");
        QVERIFY_PROMPTS(p);
        QVERIFY(f.shown.isEmpty());

        reportdata::fillRegisters(f.dm.IBDatabase1);
        const QStringList expected = {"RELATÓRIO DE ESSÊNCIA", "RELATÓRIO DE PRODUTOS", "RELATÓRIO DE SUB-PRODUTOS",
                                      "RELATÓRIO DE MUNICÍPIOS", "RELATÓRIO DE FORNECEDORES", "RELATÓRIO DE CLIENTES",
                                      "RELATÓRIO DE CLIENTES/COMPLETO"};
        for (int i = 0; i < listingItems().size(); ++i) {
            f.shown.clear();
            f.firstPage.clear();
            f.trigger(listingItems()[i]);
            QVERIFY_PROMPTS(p);
            QCOMPARE(f.shown, QStringList({"preview:" + reports::kReportTitle}));
            QVERIFY2(f.firstPage.contains(expected[i]), qPrintable(f.firstPage.join('\n')));
            QVERIFY(f.firstPage.contains(QStringLiteral("MADEIREIRA MODELO LTDA PAGINA 1")));
        }
    }

    // The log report items check their movements, then open their windows.
    void logReportWindows()
    {
        Fixture f;
        reportdata::addCompany(f.dm.IBDatabase1);
        ScriptedPrompter p;
        p.info("Não há lançamento(s) de Entrada(s), Verífique!", "Informação");
        f.trigger(logReportItems()[0]);
        QVERIFY_PROMPTS(p);
        QVERIFY(f.shown.isEmpty());

        reportdata::fill(f.dm.IBDatabase1, /*withCompany=*/false);
        const QStringList windows = {"TfrmREntrada", "TfrmREntrada1", "TfrmREntrada2", "TfrmREntrada3",
                                     "TfrmRRomaneioToros"};
        for (int i = 0; i < windows.size(); ++i) {
            f.shown.clear();
            f.trigger(logReportItems()[i]);
            QVERIFY_PROMPTS(p);
            QCOMPARE(f.shown, QStringList({windows[i]}));
        }
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestReportMenu t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_reportmenu.moc"
