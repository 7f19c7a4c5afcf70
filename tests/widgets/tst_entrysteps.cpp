#include "TestDatabase.h"
#include "data/UnitDM.h"
#include "widgets/KeyNavigation.h"
#include "widgets/LookupCombo.h"
#include "widgets/MovementWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

using namespace widgets;

// Entering and leaving steps as the user meets them: the focus arriving by
// Tab, by a click, or moved by the program while a modal window was up and
// given back by the window's activation when it closes.
class TestEntrySteps : public QObject
{
    Q_OBJECT

    // Runs `whileUp` inside a real modal window, closes it, and lets the
    // window under it be activated again as the window system does.
    static void throughModal(QWidget *under, const std::function<void()> &whileUp)
    {
        QDialog modal(under);
        modal.setWindowTitle(QStringLiteral("Modal"));
        bool ran = false, underInactive = false;
        // Once the modal window is the active one, as a user sees it.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &modal, [&] {
            if (!modal.isActiveWindow())
                return;
            poll.stop();
            underInactive = !under->isActiveWindow();
            whileUp();
            ran = true;
            modal.accept();
        });
        poll.start(5);
        QTimer::singleShot(5000, &modal, &QDialog::reject);
        modal.exec();
        QVERIFY(ran);
        QVERIFY(underInactive);
        under->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(under));
    }

    static void addSpecies(data::TDM &dm, const QString &name)
    {
        dm.TEssencia->append();
        dm.TEssencia->setValue("ESSENCIA", name);
        for (const char *c : {"ETOROS", "TENTRADA", "TSAIDA"})
            dm.TEssencia->setValue(c, 0);
        dm.TEssencia->post();
    }

private slots:
    void initTestCase() { KeyNavigator::instance().install(); }

    // The program moves the focus while a modal window is up: the control
    // that has it when the window comes back is entered, once; the focus
    // coming back to the control that already held it enters nothing.
    void enteredHoweverTheFocusArrives()
    {
        QWidget w;
        auto *layout = new QVBoxLayout(&w);
        auto *a = new QLineEdit(&w);
        auto *b = new QLineEdit(&w);
        auto *c = new QLineEdit(&w);
        for (QWidget *e : {a, b, c})
            layout->addWidget(e);
        int enteredB = 0, leftA = 0, leftB = 0;
        onEnter(b, [&] { ++enteredB; });
        onExit(a, [&] { ++leftA; });
        onExit(b, [&] { ++leftB; });
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        a->setFocus(Qt::OtherFocusReason);

        throughModal(&w, [&] { b->setFocus(Qt::OtherFocusReason); });
        QVERIFY(b->hasFocus());
        QCOMPARE(enteredB, 1);
        QCOMPARE(leftA, 0); // the window switch is no leaving

        // A box over the same control gives the focus back: no new entry.
        throughModal(&w, [] {});
        QVERIFY(b->hasFocus());
        QCOMPARE(enteredB, 1);
        QCOMPARE(leftB, 0);

        // Tab leaves it and Backtab enters it again.
        QTest::keyClick(b, Qt::Key_Tab);
        QVERIFY(c->hasFocus());
        QCOMPARE(leftB, 1);
        QTest::keyClick(c, Qt::Key_Backtab);
        QVERIFY(b->hasFocus());
        QCOMPARE(enteredB, 2);

        // Moved away and back while the window was inactive: entered again.
        throughModal(&w, [&] {
            c->setFocus(Qt::OtherFocusReason);
            b->setFocus(Qt::OtherFocusReason);
        });
        QVERIFY(b->hasFocus());
        QCOMPARE(enteredB, 2); // it never left
    }

    // A list that drops down on entry: Tab opens it, typing finds an entry,
    // Enter chooses it and moves on, Esc closes it, and Tab takes the
    // highlighted entry and moves on; the list never keeps the keyboard.
    void dropDownListKeys()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        dm.TEssencia->open();
        for (const char *n : {"IPE", "CEDRO", "ANGELIM"})
            addSpecies(dm, n);
        dm.QEssencia->setSql("Select * from ESSENCIA Order by ESSENCIA");
        dm.QEssencia->open();
        dm.TPRODUCAO->open();
        dm.TPRODUCAO->append();

        QWidget w;
        auto *layout = new QVBoxLayout(&w);
        auto *before = new QLineEdit(&w);
        auto *lookup = new DBLookupComboBox(&w);
        auto *after = new QLineEdit(&w);
        for (QWidget *e : std::initializer_list<QWidget *>{before, lookup, after})
            layout->addWidget(e);
        lookup->setListSource(dm.QEssencia, "ESSENCIA", "ESSENCIA");
        lookup->setDataSource(dm.DPRODUCAO);
        lookup->setDataField("ESSENCIA");
        lookup->setDropDownOnEnter(true);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        before->setFocus(Qt::OtherFocusReason);

        auto listUp = [&] { return lookup->view()->isVisible(); };
        // Keys as the window system delivers them: to the window that has
        // the keyboard, the open list while it is open.
        auto keyInList = [&](int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key(key), mods);
        };

        // Enter chooses the highlighted entry and moves on.
        keyInList(Qt::Key_Tab);
        QTRY_VERIFY(listUp());
        keyInList(Qt::Key_Down);
        keyInList(Qt::Key_Down);
        const QString highlighted = lookup->view()->currentIndex().data().toString();
        QVERIFY(!highlighted.isEmpty());
        keyInList(Qt::Key_Return);
        QVERIFY(!listUp());
        QCOMPARE(lookup->currentText(), highlighted);
        QCOMPARE(dm.TPRODUCAO->asString("ESSENCIA"), highlighted);
        QTRY_VERIFY(after->hasFocus());

        // Esc closes the list and keeps the focus and the choice.
        keyInList(Qt::Key_Backtab);
        QTRY_VERIFY(listUp());
        keyInList(Qt::Key_Escape);
        QVERIFY(!listUp());
        QVERIFY(lookup->hasFocus());
        QCOMPARE(lookup->currentText(), highlighted);
        QTest::qWait(20);
        QVERIFY(!listUp()); // coming back from the list is no new entry

        // Typing finds an entry; Tab takes it and moves on.
        keyInList(Qt::Key_Escape); // the key navigation: previous field
        QVERIFY(before->hasFocus());
        keyInList(Qt::Key_Tab);
        QTRY_VERIFY(listUp());
        keyInList(Qt::Key_I);
        keyInList(Qt::Key_P);
        QCOMPARE(lookup->view()->currentIndex().data().toString(), QString("IPE"));
        keyInList(Qt::Key_Tab);
        QVERIFY(!listUp());
        QCOMPARE(lookup->currentText(), QString("IPE"));
        QCOMPARE(dm.TPRODUCAO->asString("ESSENCIA"), QString("IPE"));
        QTRY_VERIFY(after->hasFocus());
        dm.TPRODUCAO->cancel();
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestEntrySteps t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_entrysteps.moc"
