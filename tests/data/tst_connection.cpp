#include "FirebirdServer.h"
#include "TestDatabase.h"
#include "data/DataError.h"
#include "data/DatabaseCreator.h"
#include "data/Statement.h"
#include "data/Transaction.h"
#include "data/UnitDM.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace data;

class TestConnection : public QObject
{
    Q_OBJECT

    static void newSpecies(TDM &dm, const QString &name, bool withStock = true)
    {
        dm.TEssencia->append();
        dm.TEssencia->setValue("ESSENCIA", name);
        if (withStock)
            for (const char *c : {"ETOROS", "TENTRADA", "TSAIDA"})
                dm.TEssencia->setValue(c, 0);
    }
    static DataError postFails(TDM &dm)
    {
        try {
            dm.TEssencia->post();
        } catch (const DataError &e) {
            return e;
        }
        return DataError(QStringLiteral("the post went through"), DataError::Kind(-1));
    }
    static QString names(TDM &dm)
    {
        dm.IBDatabase1->ensureConnected();
        QSqlQuery q(dm.IBDatabase1->database());
        q.exec("SELECT LIST(ESSENCIA, ',') FROM (SELECT ESSENCIA FROM ESSENCIA ORDER BY CODIGO)");
        return q.next() ? q.value(0).toString() : QStringLiteral("<failed>") + q.lastError().text();
    }

private slots:
    // Only a unique index's refusal is a duplicate; other refusals keep the
    // engine's text and leave the connection alone.
    void errorKinds()
    {
        TestDatabase tdb;
        TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        dm.TEssencia->open();
        newSpecies(dm, "IPE");
        dm.TEssencia->post();

        newSpecies(dm, "IPE");
        DataError e = postFails(dm);
        QCOMPARE(e.kind(), DataError::Kind::UniqueKey);
        QVERIFY2(e.message().contains("INDESSENCIA"), qPrintable(e.message()));
        QCOMPARE(dm.TEssencia->state(), DataSetState::Insert);

        dm.TEssencia->setValue("ESSENCIA", "CEDRO");
        dm.TEssencia->setValue("ETOROS", QVariant());
        e = postFails(dm);
        QCOMPARE(e.kind(), DataError::Kind::Other);
        QVERIFY2(e.message().contains("ETOROS"), qPrintable(e.message()));
        QVERIFY(dm.IBDatabase1->isConnected());

        QCOMPARE(DataError::kindOfSqlCode(-803), DataError::Kind::UniqueKey);
        QCOMPARE(DataError::kindOfSqlCode(-530), DataError::Kind::Other); // a foreign key
        QCOMPARE(DataError::kindOfSqlCode(-902), DataError::Kind::Other); // needs a look at the link
    }

    // Definitions and writes through one helper: a definition has no row
    // count and is run without the driver's complaint about it; writes
    // count their rows.
    void definitionsAndWritesCount()
    {
        TestDatabase tdb;
        Connection c(QStringLiteral("definitions"));
        c.setDatabaseName(tdb.path());
        c.open();
        QTest::failOnWarning(QRegularExpression(QStringLiteral("numRowsAffected")));
        QCOMPARE(execute(&c, QStringLiteral("create table DEFS (A integer)")), -1);
        QCOMPARE(execute(&c, QStringLiteral("  ALTER table DEFS add B integer")), -1);
        QCOMPARE(execute(&c, QStringLiteral("insert into DEFS (A, B) values (1, 2)")), 1);
        QCOMPARE(execute(&c, QStringLiteral("insert into DEFS (A, B) values (3, 4)")), 1);
        QCOMPARE(execute(&c, QStringLiteral("update DEFS set B = B + 1")), 2);
        QCOMPARE(execute(&c, QStringLiteral("delete from DEFS where A = 1")), 1);
        QCOMPARE(execute(&c, QStringLiteral("drop table DEFS")), -1);
    }

    // A server killed while the program runs: the save says so, keeps the
    // row, and once the server is back the next access connects again.
    void lostServerReconnects()
    {
        TestDatabase tdb;
        FirebirdServer server;
        QString why;
        QVERIFY2(server.start(&why), qPrintable(why));
        TDM dm;
        dm.IBDatabase1->setDatabaseName(server.databaseName(tdb.path()));
        dm.TEssencia->setIndexFieldNames("CODIGO");
        dm.TEssencia->open();
        newSpecies(dm, "IPE");
        dm.TEssencia->post();

        server.kill();
        newSpecies(dm, "CEDRO");
        for (int attempt = 0; attempt < 2; ++attempt) { // the second one finds no server to connect to
            const DataError e = postFails(dm);
            QCOMPARE(e.kind(), DataError::Kind::ConnectionLost);
            QVERIFY2(e.message().contains("connection", Qt::CaseInsensitive)
                         && e.message().contains(dm.IBDatabase1->databaseName()),
                     qPrintable(e.message()));
            QVERIFY(!dm.IBDatabase1->isConnected());
            QCOMPARE(dm.TEssencia->state(), DataSetState::Insert);
            QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("CEDRO"));
        }

        QVERIFY2(server.start(&why), qPrintable(why));
        dm.TEssencia->post();
        QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("CEDRO"));
        QCOMPARE(dm.TEssencia->recordCount(), 2);

        // Killed and back while idle: the dead link is reported once, then
        // the next access connects.
        server.kill();
        QVERIFY2(server.start(&why), qPrintable(why));
        newSpecies(dm, "MOGNO");
        QCOMPARE(postFails(dm).kind(), DataError::Kind::ConnectionLost);
        dm.TEssencia->post();
        QCOMPARE(names(dm), QString("IPE,CEDRO,MOGNO"));
    }

    // Work in a transaction when the server dies: nothing of it stays, no
    // reconnection in its middle, and the next work connects again.
    void lostServerDuringTransaction()
    {
        TestDatabase tdb;
        FirebirdServer server;
        QString why;
        QVERIFY2(server.start(&why), qPrintable(why));
        TDM dm;
        dm.IBDatabase1->setDatabaseName(server.databaseName(tdb.path()));
        dm.TEssencia->open();
        {
            Transaction work(dm.IBDatabase1);
            newSpecies(dm, "IPE");
            dm.TEssencia->post();
            server.kill();
            QVERIFY2(server.start(&why), qPrintable(why));
            newSpecies(dm, "CEDRO");
            QCOMPARE(postFails(dm).kind(), DataError::Kind::ConnectionLost);
            QCOMPARE(postFails(dm).kind(), DataError::Kind::ConnectionLost); // still inside the lost work
            QVERIFY(!dm.IBDatabase1->isConnected());
        }
        QCOMPARE(names(dm), QString()); // connected again; IPE went with the server
        dm.TEssencia->cancel();

        // Killed and back while idle: beginning work reports the dead link once.
        server.kill();
        QVERIFY2(server.start(&why), qPrintable(why));
        try {
            Transaction work(dm.IBDatabase1);
            QFAIL("work began on a dead link");
        } catch (const DataError &e) {
            QCOMPARE(e.kind(), DataError::Kind::ConnectionLost);
        }
        Transaction work(dm.IBDatabase1);
        newSpecies(dm, "MOGNO");
        dm.TEssencia->post();
        work.commit();
        QCOMPARE(names(dm), QString("MOGNO"));
    }

    // A database on a server is made by the server, in its folders.
    void createOnServer()
    {
        FirebirdServer server;
        QString why;
        QVERIFY2(server.start(&why), qPrintable(why));
        QTemporaryDir dir;
        const QString path = dir.filePath("NOVO.GDB");
        DatabaseCreator::create(server.databaseName(path));
        QVERIFY(QFile::exists(path));
        Connection c;
        c.setDatabaseName(server.databaseName(path));
        c.open();
        QSqlQuery q(c.database());
        QVERIFY(q.exec("SELECT USUARIO FROM LOGIN") && q.next());
        QCOMPARE(q.value(0).toString().trimmed(), QString("quelvora"));
    }
};

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
