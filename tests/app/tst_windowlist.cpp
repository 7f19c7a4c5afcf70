#include "TestDatabase.h"
#include "app/Application.h"
#include "app/WindowList.h"
#include "data/UnitDM.h"
#include "registers/UnitEssencia.h"
#include "statements/UnitPesquisa3.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QAbstractButton>
#include <QRadioButton>
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

    // Looking for the window a picker serves never makes the callers.
    void pickerMakesNoCaller()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        QWidget main;
        int made = 0;
        for (const auto &c : TfrmPesquisa3::callers())
            widgets::windows().addFactory(c.windowClass, [&made] {
                ++made;
                return new QWidget;
            });
        TfrmPesquisa3 picker(&dm);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        auto *choose = picker.findChild<QAbstractButton *>(QStringLiteral("BitBtn1"));
        QVERIFY(choose);
        choose->click();
        QCOMPARE(made, 0);
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
