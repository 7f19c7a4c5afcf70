#include "TestDatabase.h"
#include "data/DataError.h"
#include "data/Statement.h"
#include "data/StockSummary.h"
#include "data/Transaction.h"
#include "data/UnitDM.h"
#include "rules/StockCheck.h"
#include "rules/StockCommand.h"
#include "rules/YardStock.h"

#include <QtTest>

using namespace rules;

// The yard stock and the sawn-wood figures kept by triggers must equal what
// the movements say after every kind of write, and a database made before
// the summaries existed gets them on its first check.
class TestStock : public QObject
{
    Q_OBJECT

    struct Db
    {
        TestDatabase tdb;
        data::TDM dm;
        data::Connection *c;
        Db() : c(dm.IBDatabase1) { c->setDatabaseName(tdb.path()); }

        void log(int plate, QVariant species, double volume, int situacao = 0)
        {
            data::execute(c, "insert into ENTRADA_TOROS_DISCRIMINACAO (CODIGOPRODUTO, CODIGOESSENCIA, "
                             "QUANTIDADE, SITUACAO, CPF) values (:p, :e, :q, :s, 1)",
                          {{"p", plate}, {"e", species}, {"q", volume}, {"s", situacao}});
        }
        int rows(const QString &table)
        {
            return data::firstRow(c, "select count(*) from " + table).value(0).toInt();
        }
    };

private slots:
    void initTestCase() { isolateTestEnvironment(); }

    void yardFollowsEveryWrite()
    {
        Db db;
        db.log(1, 3, 1.5);
        db.log(2, 3, 2.25);
        db.log(3, 4, 4.0);
        db.log(4, 4, 9.0, 1); // already sawn
        db.log(5, QVariant(), 0.5); // no species: whole yard only
        QCOMPARE(yardStock(db.c), 8.25);
        QCOMPARE(yardStockOfSpecies(db.c, 3), 3.75);
        QCOMPARE(yardStockOfSpecies(db.c, 4), 4.0);

        // Sawing, unsawing, a new volume, a new species, a deletion.
        data::execute(db.c, "update ENTRADA_TOROS_DISCRIMINACAO set SITUACAO = 1 where CODIGOPRODUTO = 1");
        data::execute(db.c, "update ENTRADA_TOROS_DISCRIMINACAO set SITUACAO = 0 where CODIGOPRODUTO = 4");
        data::execute(db.c, "update ENTRADA_TOROS_DISCRIMINACAO set QUANTIDADE = 3 where CODIGOPRODUTO = 2");
        data::execute(db.c, "update ENTRADA_TOROS_DISCRIMINACAO set CODIGOESSENCIA = 4 where CODIGOPRODUTO = 3");
        data::execute(db.c, "update ENTRADA_TOROS_DISCRIMINACAO set OBS = 'x'"); // nothing relevant
        data::execute(db.c, "delete from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = 5");
        QCOMPARE(yardStock(db.c), 16.0);
        QCOMPARE(yardStockOfSpecies(db.c, 3), 3.0);
        QCOMPARE(yardStockOfSpecies(db.c, 4), 13.0);
        QVERIFY(stockDifferences(db.c).isEmpty());

        // Folding leaves one row a species and the same figures.
        data::StockSummary::fold(db.c);
        QCOMPARE(db.rows("YARD_STOCK"), 3);
        QCOMPARE(yardStock(db.c), 16.0);
        QCOMPARE(yardStockOfSpecies(db.c, 4), 13.0);
        QVERIFY(stockDifferences(db.c).isEmpty());
    }

    // The summary row is written in the movement's transaction: undone with it.
    void summaryRollsBackWithTheMovement()
    {
        Db db;
        db.log(1, 3, 1.0);
        {
            data::Transaction work(db.c);
            db.log(2, 3, 5.0);
            QCOMPARE(yardStockOfSpecies(db.c, 3), 6.0);
        }
        QCOMPARE(yardStockOfSpecies(db.c, 3), 1.0);
        QVERIFY(stockDifferences(db.c).isEmpty());
    }

    void sawnFiguresFollowEveryWrite()
    {
        Db db;
        data::execute(db.c, "insert into ENTRADA_SERRADA_DISCRIMINACAO (CODIGOESSENCIA, CODIGOPRODUTO, QUANTIDADE, CPF) "
                            "values (3, 7, 2.5, 1)");
        data::execute(db.c, "insert into SAIDA_MADEIRAS_DISCRIMINACAO (CODIGOESSENCIA, CODIGOPRODUTO, TOTALM3, CPF) "
                            "values (3, 7, 1.25, 1)");
        data::execute(db.c, "insert into PRODUCAO (CODPRODUTO, CODIGOESSENCIA, PRODUTO, QSERRADA) "
                            "values (11, 3, ' tabua ', 0.3)");
        data::execute(db.c, "update SAIDA_MADEIRAS_DISCRIMINACAO set TOTALM3 = 1.5");
        data::execute(db.c, "update PRODUCAO set PRODUTO = 'VIGA'");
        QVERIFY(stockDifferences(db.c).isEmpty());
        QCOMPARE(data::firstRow(db.c, "select sum(QUANTIDADE) from SAWN_STOCK where KIND = 'P' and PRODUTO = 'VIGA'")
                     .value(0).toDouble(), 0.3);
        QCOMPARE(data::firstRow(db.c, "select sum(QUANTIDADE) from SAWN_STOCK where KIND = 'P' and PRODUTO = 'TABUA'")
                     .value(0).toDouble(), 0.0);
        data::execute(db.c, "delete from SAIDA_MADEIRAS_DISCRIMINACAO");
        data::StockSummary::fold(db.c);
        QVERIFY(stockDifferences(db.c).isEmpty());
        QCOMPARE(db.rows("SAWN_STOCK where KIND = 'E'"), 1);
    }

    // A summary changed behind the triggers' back is reported, and the
    // command says so with its exit status.
    void checkFindsDifferences()
    {
        Db db;
        db.log(1, 3, 1.0);
        data::execute(db.c, "insert into YARD_STOCK (CODIGOESSENCIA, QUANTIDADE) values (3, 0.5)");
        const QVector<StockDifference> d = stockDifferences(db.c);
        QCOMPARE(d.size(), 1);
        QCOMPARE(d[0].summary, 1.5);
        QCOMPARE(d[0].movements, 1.0);
        db.c->close();

        QString text, errors;
        QTextStream out(&text), err(&errors);
        QCOMPARE(runCheckStock({"--database", db.tdb.path()}, out, err), 1);
        QVERIFY2(text.contains("resumo 1.5000, movimentos 1.0000"), qPrintable(text));

        db.c->open();
        data::StockSummary::rebuild(db.c);
        db.c->close();
        text.clear();
        QCOMPARE(runCheckStock({"--database", db.tdb.path()}, out, err), 0);
        QCOMPARE(runCheckStock({"--database"}, out, err), 2);
    }

    // A database of an earlier version: no summaries, movements already there.
    void earlierDatabaseGetsItsSummaries()
    {
        Db db;
        db.log(1, 3, 2.0);
        db.log(2, 3, 1.0, 1);
        data::execute(db.c, "insert into PRODUCAO (CODPRODUTO, CODIGOESSENCIA, PRODUTO, QSERRADA) values (2, 3, 'VIGA', 0.4)");
        for (const char *drop : {"drop trigger AIUD_YARD_STOCK", "drop trigger AIUD_SAWN_STOCK_INTAKE",
                                 "drop trigger AIUD_SAWN_STOCK_OUTPUT", "drop trigger AIUD_SAWN_STOCK_PRODUCTION",
                                 "drop procedure FOLD_YARD_STOCK", "drop procedure FOLD_SAWN_STOCK",
                                 "drop table YARD_STOCK", "drop table SAWN_STOCK", "drop sequence GEN_STOCK_DELTA"})
            data::execute(db.c, drop);
        QVERIFY(!data::StockSummary::isInstalled(db.c));
        db.log(3, 3, 4.0); // written while there were no triggers

        QVERIFY(data::StockSummary::ensureInstalled(db.c));
        QVERIFY(!data::StockSummary::ensureInstalled(db.c));
        QCOMPARE(yardStockOfSpecies(db.c, 3), 6.0);
        QVERIFY(stockDifferences(db.c).isEmpty());
        db.log(4, 3, 1.0);
        QCOMPARE(yardStockOfSpecies(db.c, 3), 7.0);
    }
};

QTEST_GUILESS_MAIN(TestStock)
#include "tst_stock.moc"
