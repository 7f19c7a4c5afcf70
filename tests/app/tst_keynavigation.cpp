#include "app/UnitInfo.h"
#include "widgets/KeyNavigation.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

using widgets::KeyNavigator;
using widgets::NavMove;
Q_DECLARE_METATYPE(NavMove)

class TestKeyNavigation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KeyNavigator::instance().install(); }

    void table_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("key");
        QTest::addColumn<NavMove>("move");
        const NavMove N = NavMove::Next, P = NavMove::Previous, X = NavMove::None;
        struct Row { const char *kind; NavMove enter, down, esc, up; };
        const Row rows[] = {
            {"edit", N, N, P, P},   {"combo", N, N, P, P}, {"check", N, N, P, P},
            {"list", N, X, P, X},   {"radio", N, X, P, X}, {"button", X, N, P, P},
            {"memo", X, X, X, X},   {"grid", X, X, X, X},
        };
        for (const Row &r : rows) {
            QTest::addRow("%s enter", r.kind) << r.kind << int(Qt::Key_Return) << r.enter;
            QTest::addRow("%s down", r.kind) << r.kind << int(Qt::Key_Down) << r.down;
            QTest::addRow("%s esc", r.kind) << r.kind << int(Qt::Key_Escape) << r.esc;
            QTest::addRow("%s up", r.kind) << r.kind << int(Qt::Key_Up) << r.up;
        }
    }
    void table()
    {
        QFETCH(QString, kind);
        QFETCH(int, key);
        QFETCH(NavMove, move);
        std::unique_ptr<QWidget> w;
        if (kind == "edit") w.reset(new QLineEdit);
        else if (kind == "combo") w.reset(new QComboBox);
        else if (kind == "check") w.reset(new QCheckBox);
        else if (kind == "list") w.reset(new QListWidget);
        else if (kind == "radio") w.reset(new QRadioButton);
        else if (kind == "button") w.reset(new QPushButton);
        else if (kind == "memo") w.reset(new QPlainTextEdit);
        else w.reset(new QTableWidget);
        QCOMPARE(KeyNavigator::moveFor(w.get(), key), move);
    }

    void keysMoveAndAreConsumed()
    {
        QDialog d;
        auto *a = new QLineEdit(&d);
        auto *memo = new QPlainTextEdit(&d);
        auto *b = new QLineEdit(&d);
        auto *ok = new QPushButton("OK", &d);
        ok->setDefault(true);
        auto *layout = new QVBoxLayout(&d);
        for (QWidget *w : {static_cast<QWidget *>(a), static_cast<QWidget *>(memo), static_cast<QWidget *>(b),
                           static_cast<QWidget *>(ok)})
            layout->addWidget(w);
        QSignalSpy pressed(ok, &QPushButton::clicked);
        QSignalSpy rejected(&d, &QDialog::rejected);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        a->setFocus();
        QTest::keyClick(a, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), memo);
        QTest::keyClick(memo, Qt::Key_Return); // a line break, no move
        QCOMPARE(QApplication::focusWidget(), memo);
        QCOMPARE(memo->toPlainText(), QString("\n"));
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Return); // to the button, not pressing it
        QCOMPARE(QApplication::focusWidget(), ok);
        QCOMPARE(pressed.count(), 0);
        QTest::keyClick(ok, Qt::Key_Escape); // back, not closing
        QCOMPARE(QApplication::focusWidget(), b);
        QCOMPARE(rejected.count(), 0);
        QTest::keyClick(b, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), memo);

        // Switched off, the keys keep their own meaning.
        KeyNavigator::instance().setEnabled(false);
        a->setFocus();
        QTest::keyClick(a, Qt::Key_Return);
        QCOMPARE(pressed.count(), 1);
        KeyNavigator::instance().setEnabled(true);
    }

    // The release notes close only by "&Retornar": Esc in the notes or on the button does not.
    void releaseNotesIgnoreEsc()
    {
        TfrmInfo info(nullptr);
        info.show();
        QVERIFY(QTest::qWaitForWindowActive(&info));
        QTest::mouseClick(info.Memo1->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(info.Memo1));
        QTest::keyClick(info.Memo1, Qt::Key_Escape);
        QVERIFY(info.isVisible());
        info.BitBtn1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(info.BitBtn1, Qt::Key_Escape);
        QVERIFY(info.isVisible());
        info.BitBtn1->click();
        QVERIFY(!info.isVisible());
    }

    void windowsCanSwitchItOffWhileShown()
    {
        QDialog d;
        KeyNavigator::instance().switchOffWhileShown(&d);
        QVERIFY(KeyNavigator::instance().isEnabled());
        d.show();
        QVERIFY(!KeyNavigator::instance().isEnabled());
        d.hide();
        QVERIFY(KeyNavigator::instance().isEnabled());
    }

    void focusedFieldTakesTheTooltipColour()
    {
        QDialog d;
        auto *a = new QLineEdit(&d);
        auto *b = new QLineEdit(&d);
        auto *layout = new QVBoxLayout(&d);
        layout->addWidget(a);
        layout->addWidget(b);
        QPalette own = b->palette();
        own.setColor(QPalette::Base, Qt::cyan);
        b->setPalette(own);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        a->setFocus();
        const QColor before = b->palette().color(QPalette::Base);
        QCOMPARE(a->palette().color(QPalette::Base), KeyNavigator::focusColour());
        b->setFocus();
        QCOMPARE(b->palette().color(QPalette::Base), KeyNavigator::focusColour());
        QVERIFY(!a->testAttribute(Qt::WA_SetPalette));
        QCOMPARE(a->palette().color(QPalette::Base), QApplication::palette(a).color(QPalette::Base));
        a->setFocus();
        QCOMPARE(b->palette().color(QPalette::Base), before);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestKeyNavigation t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_keynavigation.moc"
