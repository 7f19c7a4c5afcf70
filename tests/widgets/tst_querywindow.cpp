#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "WindowTest.h"

#include "data/Statement.h"
#include "data/Table.h"
#include "data/UnitDM.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/QueryWindow.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace widgets;

// A query window as the windows derive it: two dates, a list switched on
// and off, "&Consultar" and "&Retornar".
class Query : public QueryWindow
{
public:
    Query(data::TDM *dm, bool escReturns) : QueryWindow(dm)
    {
        auto *layout = new QVBoxLayout(this);
        for (QWidget *w : {static_cast<QWidget *>(start = new DateEdit), static_cast<QWidget *>(end = new DateEdit),
                           static_cast<QWidget *>(list = new DBLookupComboBox),
                           static_cast<QWidget *>(ask = new QPushButton(QStringLiteral("&Consultar"))),
                           static_cast<QWidget *>(back = new QPushButton(QStringLiteral("&Retornar")))})
            layout->addWidget(w);
        list->setListSource(dm->TEssencia, QStringLiteral("CODIGO"), QStringLiteral("ESSENCIA"));
        onClick(ask, [this] {
            if (!periodGiven(start, end, QStringLiteral("Consulta")))
                return;
            showWhere(this->dm->TEssencia, periodCondition(QStringLiteral("DATA")), periodParams(start, end));
        });
        setReturn(back, [this] {
            ++returns;
            closeAll({this->dm->TEssencia});
            leave();
        }, escReturns);
    }
    void FormShow() override { ++shows; }
    using QueryWindow::switchList;

    DateEdit *start, *end;
    DBLookupComboBox *list;
    QPushButton *ask, *back;
    int shows = 0, returns = 0;
};

class TestQueryWindow : public QObject
{
    Q_OBJECT

    struct Fixture : WindowFixture
    {
        Fixture()
        {
            data::execute(dm.IBDatabase1, "ALTER TABLE ESSENCIA ADD DATA TIMESTAMP");
            for (const char *row : {"1, 'CEDRO', '2024-03-01 00:00'", "2, 'IPE', '2024-03-31 23:59'",
                                    "3, 'ANGELIM', '2024-04-01 00:00'"})
                data::execute(dm.IBDatabase1, QStringLiteral("INSERT INTO ESSENCIA (CODIGO, ESSENCIA, DATA, ETOROS, TENTRADA, TSAIDA) "
                                                                 "VALUES (%1, 0, 0, 0)")
                                                  .arg(QLatin1String(row)));
        }
    };

    static void typeDate(DateEdit *edit, const char *digits)
    {
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClicks(edit, digits);
    }

private slots:
    // Both dates, the start first, an impossible date being none; then the
    // whole of both days, whatever the time a row carries.
    void periodAndQuery()
    {
        reporting([] {
            Fixture f;
            Query w(&f.dm, true);
            QVERIFY(shownActive(&w));
            f.p.info("Período Inicial deve ser informado!", "Consulta");
            w.end->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w.windowHandle(), Qt::Key_C, Qt::AltModifier);
            QTRY_COMPARE(w.focusWidget(), w.start); // the button clicks a moment later
            typeDate(w.start, "31022024");
            typeDate(w.end, "31032024");
            f.p.info("Período Inicial deve ser informado!", "Consulta");
            w.ask->click();
            typeDate(w.start, "01032024");
            w.end->clearDate();
            f.p.info("Período Final deve ser informado!", "Consulta");
            w.ask->click();
            QCOMPARE(w.focusWidget(), w.end);
            QVERIFY(!f.dm.TEssencia->isActive());
            typeDate(w.end, "31032024");
            w.ask->click();
            QVERIFY(f.dm.TEssencia->isActive() && f.dm.TEssencia->filtered());
            QCOMPARE(f.dm.TEssencia->recordCount(), 2);
        });
    }

    // Esc is "&Retornar": what the window opened is closed and its filter
    // dropped; every showing starts again. A window that keeps its state on
    // Esc only closes.
    void escAndShowing()
    {
        reporting([] {
            Fixture f;
            Query w(&f.dm, true);
            QVERIFY(shownActive(&w));
            QCOMPARE(w.shows, 1);
            typeDate(w.start, "01032024");
            typeDate(w.end, "31032024");
            w.ask->click();
            QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
            QVERIFY(!w.isVisible());
            QCOMPARE(w.returns, 1);
            QVERIFY(!f.dm.TEssencia->isActive() && !f.dm.TEssencia->filtered());
            QVERIFY(shownActive(&w));
            QCOMPARE(w.shows, 2);

            Query keeps(&f.dm, false);
            QVERIFY(shownActive(&keeps));
            QTest::keyClick(keeps.windowHandle(), Qt::Key_Escape);
            QVERIFY(!keeps.isVisible());
            QCOMPARE(keeps.returns, 0);
            keeps.back->click();
            QCOMPARE(keeps.returns, 1);
        });
    }

    // A list switched on opens its table in the order asked; off clears the
    // choice and closes it.
    void listSwitch()
    {
        reporting([] {
            Fixture f;
            Query w(&f.dm, true);
            QVERIFY(shownActive(&w));
            Query::switchList(true, w.list, f.dm.TEssencia, QStringLiteral("ESSENCIA"));
            QVERIFY(w.list->isEnabled() && f.dm.TEssencia->isActive());
            QCOMPARE(w.list->itemText(0), QStringLiteral("ANGELIM"));
            w.list->setKeyValue(2);
            QVERIFY(w.list->hasSelection());
            Query::switchList(false, w.list, f.dm.TEssencia, QStringLiteral("ESSENCIA"));
            QVERIFY(!w.list->isEnabled() && !w.list->hasSelection() && !f.dm.TEssencia->isActive());
        });
    }
};

QTEST_MAIN(TestQueryWindow)
#include "tst_querywindow.moc"
