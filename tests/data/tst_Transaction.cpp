#include "TestDatabase.h"
#include "data/DataError.h"
#include "data/Statement.h"
#include "data/Transaction.h"
#include "data/UnitDM.h"

#include <QtTest>

using namespace data;

class TestTransaction : public QObject
{
    Q_OBJECT

    static void addLine(Table &t, int plate, const QVariant &cpf = 1.0)
    {
        t.append();
        t.setValue("CODIGOPRODUTO", plate);
        t.setValue("NFNUMERO", 10);
        t.setValue("CODIGOFORNECEDOR", 1);
        t.setValue("QUANTIDADE", 0.5);
        t.setValue("CPF", cpf);
        t.post();
    }

    static int lines(Connection *c)
    {
        return firstRow(c, "select count(*) from ENTRADA_TOROS_DISCRIMINACAO").value(0).toInt();
    }

    // What another connection sees of the same file.
    static int linesSeenOutside(const QString &path)
    {
        Connection other(QStringLiteral("outside"));
        other.setDatabaseName(path);
        return lines(&other);
    }

private slots:
    // A dataset's posts and a statement run while the work is open wait for
    // its commit; then they are there for everyone.
    void postsJoinAndCommitTogether()
    {
        TestDatabase tdb;
        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        Table t(dm.IBDatabase1, "ENTRADA_TOROS_DISCRIMINACAO", "CODDISCRIMINACAO");
        t.open();
        {
            Transaction work(dm.IBDatabase1);
            QVERIFY(Transaction::isOpenOn(dm.IBDatabase1));
            addLine(t, 1);
            addLine(t, 2);
            QCOMPARE(execute(dm.IBDatabase1, "update ENTRADA_TOROS_DISCRIMINACAO set QUANTIDADE = :q",
                             {{"q", 0.75}}),
                     2);
            QCOMPARE(lines(dm.IBDatabase1), 2);       // seen inside
            QCOMPARE(linesSeenOutside(tdb.path()), 0); // not committed on the way
            work.rollback();
        }
        QVERIFY(!Transaction::isOpenOn(dm.IBDatabase1));
        QCOMPARE(lines(dm.IBDatabase1), 0);
        {
            Transaction work(dm.IBDatabase1);
            t.close();
            t.open();
            addLine(t, 1);
            addLine(t, 2);
            QCOMPARE(linesSeenOutside(tdb.path()), 0);
            work.commit();
        }
        QCOMPARE(linesSeenOutside(tdb.path()), 2);
    }

    // The second statement fails: the first is undone with it, the
    // database's text is what the error says, and later posts commit alone.
    void secondStatementFailsLeavesDatabaseAsItWas()
    {
        TestDatabase tdb;
        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        Table t(dm.IBDatabase1, "ENTRADA_TOROS_DISCRIMINACAO", "CODDISCRIMINACAO");
        t.open();
        addLine(t, 7);
        QString message;
        try {
            Transaction work(dm.IBDatabase1);
            addLine(t, 8);
            addLine(t, 7); // the plate is unique
            work.commit();
            QFAIL("the duplicate plate was accepted");
        } catch (const DataError &e) {
            message = e.message();
        }
        QVERIFY2(message.contains("INDCODPRODUTO"), qPrintable(message));
        QCOMPARE(lines(dm.IBDatabase1), 1);
        QCOMPARE(t.state(), DataSetState::Insert); // the refused row stays pending
        t.cancel();
        t.refresh();
        QCOMPARE(t.recordCount(), 1);
        // Nothing left open: a post on its own is committed at once.
        addLine(t, 9);
        QCOMPARE(linesSeenOutside(tdb.path()), 2);
    }

    // An inner unit joins the outer one; leaving it uncommitted undoes all,
    // and the outer commit says so instead of pretending to have saved.
    void innerWorkJoinsOuter()
    {
        TestDatabase tdb;
        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        Table t(dm.IBDatabase1, "ENTRADA_TOROS_DISCRIMINACAO", "CODDISCRIMINACAO");
        t.open();
        {
            Transaction outer(dm.IBDatabase1);
            addLine(t, 1);
            {
                Transaction inner(dm.IBDatabase1);
                addLine(t, 2);
                inner.commit(); // commits nothing yet
            }
            QCOMPARE(lines(dm.IBDatabase1), 2);
            outer.commit();
        }
        QCOMPARE(lines(dm.IBDatabase1), 2);
        {
            Transaction outer(dm.IBDatabase1);
            addLine(t, 3);
            {
                Transaction inner(dm.IBDatabase1);
                addLine(t, 4);
            } // left without commit
            addLine(t, 5);
            QVERIFY_THROWS_EXCEPTION(DataError, outer.commit());
        }
        QCOMPARE(lines(dm.IBDatabase1), 2);
        QVERIFY(!Transaction::isOpenOn(dm.IBDatabase1));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TestTransaction t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_Transaction.moc"
