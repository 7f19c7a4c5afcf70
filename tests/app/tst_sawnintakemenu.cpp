#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include "app/Application.h"
#include "app/UnitPrincipal.h"
#include "app/WindowList.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "widgets/WindowRegistry.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

// The sawn-wood intake as the program reaches it: the main menu's
// launcher opens it, and its "&Incluir" gets the supplier picker the
// window list gives it.
class TestSawnIntakeMenu : public QObject
{
    Q_OBJECT

private slots:
    void launcherOpensTheIntake()
    {
        ScriptedPrompter p;
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        data::execute(dm.IBDatabase1,
                      QStringLiteral("insert into FORNECEDOR (NOMEFORNECEDOR, CNPJ) values ('MADEIREIRA ALFA', "
                                     "'12345678000195')"));
        TfrmPrincipal main;
        main.setDM(&dm);
        widgets::windows().clear();
        app::registerWindows(&dm, &main);
        main.setLoggedIn(true);

        QAction *item = main.menuItem(QStringLiteral("Lançamento|Entrada|Madeira &Serrada"));
        QVERIFY(item);
        QVERIFY(item->isEnabled());
        QStringList shown;
        QString supplier;
        // One watcher per window: a watcher busy under a modal window it
        // opened does not run again until that window closes.
        auto watch = [&](QTimer &timer, const QString &name, std::function<void(QWidget *)> step) {
            QObject::connect(&timer, &QTimer::timeout, [&timer, name, step, &shown] {
                QWidget *modal = QApplication::activeModalWidget();
                if (!modal || modal->objectName() != name)
                    return;
                timer.stop();
                shown << name;
                step(modal);
            });
            timer.start(5);
        };
        QTimer intake, picker;
        watch(intake, QStringLiteral("TfrmEntradaSerrada"), [&](QWidget *w) {
            w->findChild<QAbstractButton *>(QStringLiteral("BitBtn4"))->click();
            supplier = w->findChild<QLineEdit *>(QStringLiteral("RAZAO_SOCIAL"))->text();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        watch(picker, QStringLiteral("TfrmPesquisa"), [](QWidget *w) {
            QTest::keyClick(w->findChild<QLineEdit *>(QStringLiteral("Edit1")), Qt::Key_Return);
        });
        item->trigger();
        QCOMPARE(shown, QStringList({"TfrmEntradaSerrada", "TfrmPesquisa"}));
        QCOMPARE(supplier, QStringLiteral("MADEIREIRA ALFA"));
        QVERIFY(!widgets::windows().existing(QStringLiteral("TfrmEntradaSerrada"))->isVisible());
        QCOMPARE(data::firstRow(dm.IBDatabase1, QStringLiteral("select count(*) from ENTRADA_SERRADA")).value(0).toInt(),
                 0);
        QVERIFY_PROMPTS(p);
        widgets::windows().clear();
    }
};

QTEST_MAIN(TestSawnIntakeMenu)
#include "tst_sawnintakemenu.moc"
