#include "TestDatabase.h"
#include "app/Application.h"
#include "app/WindowList.h"
#include "data/UnitDM.h"
#include "registers/UnitEssencia.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlQuery>
#include <QtTest>

// Start-up only registers the windows; each is made when first asked for,
// under the name the list gives it, and the same window comes back after.
class TestWindowList : public QObject
{
    Q_OBJECT

    static QString name(const app::WindowEntry &e) { return QString::fromLatin1(e.className); }

private slots:
    void cleanup() { widgets::windows().clear(); }

    void madeOnFirstUseThenKept()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        QWidget main;
        app::registerWindows(&dm, &main);

        QVERIFY(app::windowList().size() >= 20);
        for (const app::WindowEntry &e : app::windowList())
            QVERIFY2(widgets::windows().contains(name(e)), qPrintable(name(e)));
        QVERIFY(widgets::windows().all().isEmpty());
        QVERIFY(main.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).isEmpty());

        QWidget *species = widgets::windows().find(QStringLiteral("TfrmEssencia"));
        QVERIFY(qobject_cast<TfrmEssencia *>(species));
        QCOMPARE(species->parentWidget(), &main);
        QCOMPARE(widgets::windows().all().size(), 1);

        // Every name makes a window of that class (reports share one), once.
        for (const app::WindowEntry &e : app::windowList()) {
            QWidget *w = widgets::windows().find(name(e));
            QVERIFY2(w, qPrintable(name(e)));
            if (!name(e).startsWith(QLatin1String("Rep")))
                QCOMPARE(QString::fromLatin1(w->metaObject()->className()), name(e));
            QCOMPARE(widgets::windows().find(name(e)), w);
        }
        QCOMPARE(widgets::windows().all().size(), app::windowList().size());
        QCOMPARE(widgets::windows().find(QStringLiteral("TfrmEssencia")), species);
        QVERIFY(!widgets::windows().contains(QStringLiteral("TfrmNaoExiste")));
        QVERIFY(!widgets::windows().find(QStringLiteral("TfrmNaoExiste")));
    }

    // What a window holds between two openings stays: hiding keeps it.
    void stateKeptBetweenOpenings()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        QWidget main;
        app::registerWindows(&dm, &main);

        QWidget *query = widgets::windows().find(QStringLiteral("TfrmConsultaEPatio"));
        QVERIFY(query);
        query->show();
        QVERIFY(QTest::qWaitForWindowExposed(query));
        auto *general = query->findChild<QRadioButton *>(QStringLiteral("TipoGeral"));
        QVERIFY(general && !general->isChecked());
        // On its round mark: the button stretches past its caption.
        QTest::mouseClick(general, Qt::LeftButton, {}, QPoint(6, general->height() / 2));
        QVERIFY(general->isChecked());
        query->hide();

        QCOMPARE(widgets::windows().find(QStringLiteral("TfrmConsultaEPatio")), query);
        query->show();
        QVERIFY(general->isChecked());
        query->hide();
    }

    // The window list hands each report window the picker it uses; the
    // picker is made only when "&P" first opens it, and the chosen row lands
    // in the window that asked.
    void reportWindowsGetTheirPicker_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("picker");
        QTest::addColumn<QString>("name");
        QTest::newRow("entrada detalhada") << "TfrmREntrada1" << "TfrmPesquisa" << "MADEIREIRA ALFA";
        QTest::newRow("serrada detalhada") << "TfrmREntrada3" << "TfrmPesquisa" << "MADEIREIRA ALFA";
        QTest::newRow("romaneio") << "TfrmRRomaneioToros" << "TfrmPesquisa3" << "SERRARIA BETA";
    }
    void reportWindowsGetTheirPicker()
    {
        QFETCH(QString, window);
        QFETCH(QString, picker);
        QFETCH(QString, name);
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        dm.IBDatabase1->open();
        QSqlQuery q(dm.IBDatabase1->database());
        QVERIFY(q.exec("INSERT INTO FORNECEDOR (NOMEFORNECEDOR) VALUES ('MADEIREIRA ALFA')"));
        QVERIFY(q.exec("INSERT INTO CREDOR (NOMECREDOR) VALUES ('SERRARIA BETA')"));
        QWidget main;
        app::registerWindows(&dm, &main);

        auto *w = qobject_cast<QDialog *>(widgets::windows().find(window));
        QVERIFY(w);
        QVERIFY(!widgets::windows().existing(picker));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QString shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == w)
                return;
            poll.stop();
            shown = modal->objectName();
            QTest::keyClick(modal->findChild<QLineEdit *>(QStringLiteral("Edit1")), Qt::Key_Return);
        });
        poll.start(5);
        w->findChild<QAbstractButton *>(QStringLiteral("BitBtn4"))->click();
        QCOMPARE(shown, picker);
        QVERIFY(widgets::windows().existing(picker));
        QCOMPARE(w->findChild<QLineEdit *>(QStringLiteral("FORNECEDOR"))->text(), name);
        QVERIFY(!w->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text().isEmpty());
        w->hide();
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestWindowList t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_windowlist.moc"
