#include "TestDatabase.h"
#include "data/UnitDM.h"
#include "widgets/DBNavigator.h"

#include <QApplication>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

using widgets::DBNavigator;
using widgets::MoveButtonStates;

class TestNavigator : public QObject
{
    Q_OBJECT
    TestDatabase *tdb = nullptr;
    data::TDM *dm = nullptr;

private slots:
    void initTestCase()
    {
        tdb = new TestDatabase;
        dm = new data::TDM;
        dm->IBDatabase1->setDatabaseName(tdb->path());
    }
    void cleanupTestCase()
    {
        delete dm;
        delete tdb;
    }

    void emptyTableDisablesAllFour()
    {
        DBNavigator nav;
        nav.setVisibleButtons({DBNavigator::nbFirst, DBNavigator::nbPrior, DBNavigator::nbNext, DBNavigator::nbLast});
        nav.setDataSource(dm->DPRODUCAO);
        dm->TPRODUCAO->open();
        QCOMPARE(dm->TPRODUCAO->recordCount(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(nav.states(), MoveButtonStates(), 1500);
        QCOMPARE(nav.button(DBNavigator::nbFirst)->toolTip(), QString("Primeiro Registro"));
        QCOMPARE(nav.button(DBNavigator::nbLast)->toolTip(), QString("Último Registro"));
        QVERIFY(nav.button(DBNavigator::nbInsert)->isHidden());
        dm->TPRODUCAO->close();
    }

    void statesFollowWithinASecond()
    {
        for (const char *name : {"IPE", "CEDRO", "JATOBA"})
            QSqlQuery(dm->IBDatabase1->database())
                .exec(QStringLiteral("insert into ESSENCIA (ESSENCIA, ETOROS, TENTRADA, TSAIDA) values ('%1', 0, 0, 0)").arg(name));
        DBNavigator nav;
        nav.setDataSource(dm->DEssencia);
        dm->TEssencia->open();
        QTRY_COMPARE_WITH_TIMEOUT(nav.states(), (MoveButtonStates{false, false, true, true}), 1500);
        nav.button(DBNavigator::nbNext)->click();
        QCOMPARE(dm->TEssencia->recNo(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(nav.states(), (MoveButtonStates{true, true, true, true}), 1500);
        nav.button(DBNavigator::nbLast)->click();
        QTRY_COMPARE_WITH_TIMEOUT(nav.states(), (MoveButtonStates{true, true, false, false}), 1500);
        dm->TEssencia->close();
    }

    void recordNavigatorFollowsAtOnceWithItsHints()
    {
        widgets::RecordNavigator nav;
        nav.setHints({"Primeira Essência", "Essência Anterior", "Proxima Essência", "Ultima Essência"});
        QCOMPARE(nav.button(2)->toolTip(), QString("Proxima Essência"));
        nav.setDataSource(dm->DEssencia);
        QCOMPARE(nav.states(), MoveButtonStates());
        dm->TEssencia->open();
        QCOMPARE(nav.states(), (MoveButtonStates{false, false, true, true}));
        nav.button(3)->click();
        QCOMPARE(dm->TEssencia->recNo(), dm->TEssencia->recordCount() - 1);
        QCOMPARE(nav.states(), (MoveButtonStates{true, true, false, false}));
        nav.button(0)->click();
        QCOMPARE(dm->TEssencia->recNo(), 0);
        QCOMPARE(nav.states(), (MoveButtonStates{false, false, true, true}));
        dm->TEssencia->close();
        QCOMPARE(nav.states(), MoveButtonStates());
    }
};

namespace QTest {
template <>
char *toString(const MoveButtonStates &s)
{
    return qstrdup(QByteArray().append(s.first ? 'F' : '-').append(s.prior ? 'P' : '-')
                       .append(s.next ? 'N' : '-').append(s.last ? 'L' : '-').constData());
}
} // namespace QTest

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestNavigator t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_navigator.moc"
