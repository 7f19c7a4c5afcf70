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

// The sale invoice, the sawn packing list and "Consulta Lançamento" as the
// program reaches them: each launcher opens its window, and each window
// gets the client picker from the window list.
class TestSalesMenu : public QObject
{
    Q_OBJECT

private slots:
    void launchers_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");      // opens the client picker
        QTest::addColumn<QString>("clientField"); // where the chosen client shows
        QTest::addColumn<QString>("leave");       // what closes the window then
        QTest::newRow("sale") << "Lançamento|&Saída|&Madeira Serrada" << "TfrmSaidaMadeiras" << "BitBtn4"
                              << "fornecedor" << "BitBtn2";
        QTest::newRow("packing list") << "Lançamento|Romaneio|Madeira Serrada" << "TfrmRomaneioserrada" << "BitBtn5"
                                      << "fornecedor" << "";
        QTest::newRow("query") << "Co&nsulta|&Lançamento por Essência" << "TfrmConsultaProduto" << "SpeedButton1"
                               << "FORNECEDOR" << "";
    }
    void launchers()
    {
        QFETCH(QString, menu);
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, clientField);
        QFETCH(QString, leave);
        ScriptedPrompter p;
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        data::execute(dm.IBDatabase1,
                      QStringLiteral("insert into CREDOR (NOMECREDOR, CNPJ) values ('COMERCIAL ALFA', '11222333000181')"));
        TfrmPrincipal main;
        main.setDM(&dm);
        widgets::windows().clear();
        app::registerWindows(&dm, &main);
        main.setLoggedIn(true);

        QAction *item = main.menuItem(menu);
        QVERIFY(item);
        QVERIFY(item->isEnabled());
        QStringList shown;
        QString client;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || (!shown.isEmpty() && shown.last() == modal->objectName()))
                return;
            shown << modal->objectName();
            if (modal->objectName() == window) {
                // Clicked from its own turn of the event loop: the picker it
                // opens runs a nested loop, in which this timer must fire again.
                QTimer::singleShot(0, modal, [&, modal] {
                    modal->findChild<QAbstractButton *>(button)->click();
                    client = modal->findChild<QLineEdit *>(clientField)->text();
                    if (!leave.isEmpty())
                        modal->findChild<QAbstractButton *>(leave)->click();
                    QTest::keyClick(modal, Qt::Key_Escape);
                });
            } else if (modal->objectName() == QLatin1String("TfrmPesquisa3")) {
                QTest::keyClick(modal->findChild<QLineEdit *>(QStringLiteral("Edit1")), Qt::Key_Return);
            }
        });
        poll.start(5);
        item->trigger();
        poll.stop();
        QCOMPARE(shown, QStringList({window, "TfrmPesquisa3"}));
        QCOMPARE(client, QStringLiteral("COMERCIAL ALFA"));
        QVERIFY(!widgets::windows().existing(window)->isVisible());
        QVERIFY_PROMPTS(p);
        widgets::windows().clear();
    }
};

QTEST_MAIN(TestSalesMenu)
#include "tst_salesmenu.moc"
