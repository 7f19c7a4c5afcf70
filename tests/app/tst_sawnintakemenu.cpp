#include "ScriptedPrompter.h"
#include "TestDatabase.h"

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
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || (!shown.isEmpty() && shown.last() == modal->objectName()))
                return;
            shown << modal->objectName();
            if (modal->objectName() == QLatin1String("TfrmEntradaSerrada")) {
                modal->findChild<QAbstractButton *>(QStringLiteral("BitBtn4"))->click();
                supplier = modal->findChild<QLineEdit *>(QStringLiteral("RAZAO_SOCIAL"))->text();
                QTest::keyClick(modal, Qt::Key_Escape);
            } else if (modal->objectName() == QLatin1String("TfrmPesquisa")) {
                QTest::keyClick(modal->findChild<QLineEdit *>(QStringLiteral("Edit1")), Qt::Key_Return);
            }
        });
        poll.start(5);
        item->trigger();
        poll.stop();
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
