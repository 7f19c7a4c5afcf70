#include "TestDatabase.h"
#include "data/DataError.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "rules/LogPackingList.h"
#include "rules/SawnBalance.h"
#include "rules/SawnSale.h"

#include <QtTest>

using namespace rules;

// Sale invoices of sawn wood and the sawn packing list, against a real
// database: invoices are told apart by number and client.
class TestSawnSale : public QObject
{
    Q_OBJECT

    struct Db
    {
        TestDatabase tdb;
        data::TDM dm;
        data::Connection *c;
        Db() : c(dm.IBDatabase1) { c->setDatabaseName(tdb.path()); }

        void header(int nf, int client)
        {
            data::execute(c, "insert into SAIDA_MADEIRAS (NF_NUMERO, CODIGOFORNECEDOR, RAZAO_SOCIAL) "
                             "values (:nf, :c, 'X')", {{"nf", nf}, {"c", client}});
        }
        void line(int nf, int client, double value, double volume, int species = 1, int product = 7)
        {
            data::execute(c, "insert into SAIDA_MADEIRAS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, VALTOTAL, "
                             "TOTALM3, CODIGOESSENCIA, CODIGOPRODUTO, CPF) values (:nf, :c, :v, :q, :s, :p, 0)",
                          {{"nf", nf}, {"c", client}, {"v", value}, {"q", volume}, {"s", species}, {"p", product}});
        }
        void intake(double volume, int species = 1, int product = 7)
        {
            data::execute(c, "insert into ENTRADA_SERRADA_DISCRIMINACAO (CODIGOESSENCIA, CODIGOPRODUTO, QUANTIDADE, "
                             "CPF) values (:s, :p, :q, 0)", {{"s", species}, {"p", product}, {"q", volume}});
        }
        int count(const QString &sql) { return data::firstRow(c, sql).value(0).toInt(); }
        QVariant headerKey(int nf)
        {
            return data::firstRow(c, "select CODIGOSAIDA from SAIDA_MADEIRAS where NF_NUMERO = :nf", {{"nf", nf}}).value(0);
        }
    };

private slots:
    void numberTakenPerClient()
    {
        Db db;
        SawnSale sale(db.c);
        db.header(10, 1);
        db.line(11, 1, 5, 0.1); // lines left without a header
        QVERIFY(sale.numberTaken({10, 1}));
        QVERIFY(sale.numberTaken({11, 1}));
        QVERIFY(!sale.numberTaken({11, 2}));     // another client's number is free for this one
        QVERIFY(!sale.numberTaken({11, 1}, {11, 1})); // its own lines do not count
        QVERIFY(sale.numberTaken({10, 1}, {10, 1}));  // a saved header always does
        QVERIFY(!sale.numberTaken({12, 1}));
        QVERIFY(sale.numberHeldByOtherClient({10, 2}));
        QVERIFY(!sale.numberHeldByOtherClient({10, 1}));
        QVERIFY(!sale.numberHeldByOtherClient({11, 2}));
    }

    // Two clients' invoices with one number keep their own lines and totals;
    // a line without TOTALM3 (a unit with no computed total) adds nothing.
    void totalsByNumberAndClient()
    {
        Db db;
        SawnSale sale(db.c);
        db.line(5, 1, 50.004, 1.2345);
        db.line(5, 1, 30.004, 2.0001);
        db.line(5, 2, 900, 9);
        data::execute(db.c, "insert into SAIDA_MADEIRAS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, VALTOTAL, CPF) "
                            "values (5, 1, 0, 0)");
        const InvoiceTotals t = sale.totals({5, 1});
        QCOMPARE(t.lines, 3);
        QCOMPARE(t.value, 80.008);
        QCOMPARE(t.volume, 3.2346);
        QCOMPARE(sale.totals({5, 2}).value, 900.0);
        QCOMPARE(sale.totals({5, 1}, 1).lines, 2); // the line without species is not CEDRO's
        QCOMPARE(sale.totals({5, 1}, 2).lines, 0);
        const InvoiceTotals none = sale.totals({6, 1});
        QCOMPARE(none.lines, 0);
        QCOMPARE(none.volume, 0.0);
    }

    // Deleting an invoice takes its lines and gives their volume back to the
    // balance; the other client's invoice of the same number is untouched.
    void removeGivesVolumeBack()
    {
        Db db;
        SawnSale sale(db.c);
        db.intake(2.0);
        db.header(20, 1);
        db.line(20, 1, 100, 0.5);
        db.line(20, 1, 100, 0.25);
        db.line(20, 2, 100, 1.0); // another client's lines under the same number
        QCOMPARE(SawnBalance::of(db.c, 1, 7).balance, 0.25);
        QCOMPARE(sale.remove(db.headerKey(20)), 2);
        QCOMPARE(db.count("select count(*) from SAIDA_MADEIRAS"), 0);
        QCOMPARE(db.count("select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO where CODIGOFORNECEDOR = 2"), 1);
        QCOMPARE(SawnBalance::of(db.c, 1, 7).balance, 1.0);
        QVERIFY_THROWS_EXCEPTION(data::DataError, sale.remove(db.headerKey(20)));
    }

    void moveLinesFollowsTheHeader()
    {
        Db db;
        SawnSale sale(db.c);
        db.line(30, 1, 10, 0.1);
        db.line(30, 3, 10, 0.1);
        QCOMPARE(sale.moveLines({30, 1}, {31, 2}, {2, QStringLiteral("NOVO"), QVariant(), QStringLiteral("IE")}), 1);
        QCOMPARE(db.count("select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO where NFNUMERO = 31 and "
                          "CODIGOFORNECEDOR = 2 and FORNECEDOR = 'NOVO' and CPF = 0"), 1);
        QCOMPARE(db.count("select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO where CODIGOFORNECEDOR = 3"), 1);
    }

    // Balance 1,0000 takes a line of 1,0000; the next 0,0001 is refused and
    // nothing is posted for it.
    void postCheckedAgainstTheBalance()
    {
        Db db;
        SawnSale sale(db.c);
        db.intake(0.4);
        db.intake(0.6);
        SawnBalance seen;
        auto post = [&](double v) { return [&db, v] { db.line(40, 1, 1, v); }; };
        QVERIFY(!sale.postChecked(1, 7, 1.0001, post(1.0001), &seen));
        QCOMPARE(seen.balance, 1.0);
        QCOMPARE(db.count("select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO"), 0);
        QVERIFY(sale.postChecked(1, 7, 1.0, post(1.0)));
        QVERIFY(!sale.postChecked(1, 7, 0.0001, post(0.0001), &seen));
        QCOMPARE(seen.balance, 0.0);
        QCOMPARE(db.count("select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO"), 1);
        // Nothing of another product: balance 0 refuses any volume, takes none.
        QVERIFY(!sale.postChecked(1, 8, 0.1, post(0.1)));
        QVERIFY(sale.postChecked(1, 8, 0.0, [] {}));
    }

    // A post the database refuses leaves nothing behind and reports its text.
    void failedPostIsReported()
    {
        Db db;
        SawnSale sale(db.c);
        db.intake(1);
        QVERIFY_THROWS_EXCEPTION(data::DataError, sale.postChecked(1, 7, 0.5, [&] {
            db.line(50, 1, 1, 0.5);
            data::execute(db.c, "insert into SAIDA_MADEIRAS_DISCRIMINACAO (NFNUMERO) values (50)"); // CPF not null
        }));
        QCOMPARE(db.count("select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO"), 0);
    }

    // The sawn packing list: rows of one number and one client, the same
    // number with another client being another list.
    void sawnPackingList()
    {
        Db db;
        SawnPackingList lists(db.c);
        auto row = [&](int nf, int client, double m3, double value) {
            data::execute(db.c, "insert into ROMANEIO_SERRADA (NF, CODEMPRESA, TOTALM3, VLTOTAL) values (:n, :c, :m, :v)",
                          {{"n", nf}, {"c", client}, {"m", m3}, {"v", value}});
        };
        row(7, 1, 0.5, 300);
        row(7, 1, 6, 10);
        row(7, 2, 1, 1);
        data::execute(db.c, "insert into ROMANEIO_TORO (NF, CODEMPRESA, TOTALM3, VLTOTAL) values (7, 1, 9, 9)");
        const PackingListTotals t = lists.totals({7, 1});
        QCOMPARE(t.lines, 2);
        QCOMPARE(t.volume, 6.5);
        QCOMPARE(t.value, 310.0);
        QCOMPARE(lists.remove({7, 1}), 2);
        QCOMPARE(db.count("select count(*) from ROMANEIO_SERRADA"), 1);
        QCOMPARE(db.count("select count(*) from ROMANEIO_TORO"), 1);
    }
};

QTEST_MAIN(TestSawnSale)
#include "tst_SawnSale.moc"
