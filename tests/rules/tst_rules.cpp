#include "TestDatabase.h"
#include "data/DataError.h"
#include "data/Statement.h"
#include "data/Transaction.h"
#include "data/UnitDM.h"
#include "rules/LogInvoice.h"
#include "rules/LogPackingList.h"
#include "rules/SawnBalance.h"

#include <QtTest>

using namespace rules;

class TestRules : public QObject
{
    Q_OBJECT

    struct Db
    {
        TestDatabase tdb;
        data::TDM dm;
        data::Connection *c;
        Db() : c(dm.IBDatabase1) { c->setDatabaseName(tdb.path()); }

        void header(int nf, int supplier)
        {
            data::execute(c, "insert into ENTRADA_TOROS (NF_NUMERO, CODIGOFORNECEDOR, RAZAO_SOCIAL) "
                             "values (:nf, :f, 'X')", {{"nf", nf}, {"f", supplier}});
        }
        void line(int plate, int nf, int supplier, double value, double volume, int situacao = 0)
        {
            data::execute(c, "insert into ENTRADA_TOROS_DISCRIMINACAO (CODIGOPRODUTO, NFNUMERO, CODIGOFORNECEDOR, "
                             "VALTOTAL, QUANTIDADE, SITUACAO, CPF) values (:p, :nf, :f, :v, :q, :s, 1)",
                          {{"p", plate}, {"nf", nf}, {"f", supplier}, {"v", value}, {"q", volume}, {"s", situacao}});
        }
        int count(const QString &sql) { return data::firstRow(c, sql).value(0).toInt(); }
        QVariant headerKey(int nf, int supplier)
        {
            return data::firstRow(c, "select CODIGOENTRADA from ENTRADA_TOROS where NF_NUMERO = :nf and "
                                     "CODIGOFORNECEDOR = :f", {{"nf", nf}, {"f", supplier}}).value(0);
        }
    };

private slots:
    // Taken by a header, or by lines left without one; the header being
    // entered is not stopped by its own lines.
    void invoiceNumberTaken()
    {
        Db db;
        LogInvoice rules(db.c);
        db.header(100, 1);
        db.line(1, 100, 1, 10, 1);
        db.line(2, 123, 1, 10, 1); // no header
        QVERIFY(rules.numberTaken({100, 1}));
        QVERIFY(rules.numberTaken({123, 1}));
        QVERIFY(!rules.numberTaken({123, 2})); // another supplier's number
        QVERIFY(!rules.numberTaken({124, 1}));
        QVERIFY(!rules.numberTaken({123, 1}, {123, 1}));
        QVERIFY(rules.numberTaken({100, 1}, {100, 1})); // a header is never one's own
        QVERIFY(rules.numberTaken({123, 1}, {124, 1}));
        QCOMPARE(rules.headerCount({123, 1}), 0);
        QCOMPARE(rules.lineCount({123, 1}), 1);
    }

    // Stored values are added as they are: 50,004 + 30,004 = 80,008.
    void invoiceTotals()
    {
        Db db;
        LogInvoice rules(db.c);
        db.line(1, 5, 1, 50.004, 1.2345);
        db.line(2, 5, 1, 30.004, 2.0001);
        db.line(3, 5, 2, 900, 9);
        const InvoiceTotals t = rules.totals({5, 1});
        QCOMPARE(t.lines, 2);
        QCOMPARE(t.value, 80.008);
        QCOMPARE(t.volume, 3.2346);
        const InvoiceTotals none = rules.totals({6, 1});
        QCOMPARE(none.lines, 0);
        QCOMPARE(none.value, 0.0);
    }

    // Lines move to another number and supplier together, with the
    // supplier's copies; other invoices' lines stay.
    void moveLines()
    {
        Db db;
        LogInvoice rules(db.c);
        db.line(1, 123, 1, 10, 1);
        db.line(2, 123, 1, 10, 1);
        db.line(3, 123, 2, 10, 1);
        QCOMPARE(rules.moveLines({123, 1}, {124, 1}, {1, "ALFA", 555.0, "IE"}), 2);
        QCOMPARE(rules.lineCount({123, 1}), 0);
        QCOMPARE(rules.lineCount({124, 1}), 2);
        QCOMPARE(rules.lineCount({123, 2}), 1);
        QCOMPARE(db.count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO where FORNECEDOR = 'ALFA' "
                          "and CPF = 555 and INSCRICAO = 'IE'"), 2);
        // A supplier without a CPF (a company): the lines, which must hold
        // one, get 0 instead of the database refusing the move.
        QCOMPARE(rules.moveLines({124, 1}, {125, 1}, {1, "BETA", QVariant(), ""}), 2);
        QCOMPARE(db.count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO where NFNUMERO = 125 "
                          "and FORNECEDOR = 'BETA' and CPF = 0"), 2);
    }

    // Lines moved and then a header the database refuses: the move is undone.
    void moveWithFailingHeaderLeavesLinesWhereTheyWere()
    {
        Db db;
        LogInvoice rules(db.c);
        db.line(1, 123, 1, 10, 1);
        db.header(124, 1);
        data::execute(db.c, "create unique index TESTE_UNICA on ENTRADA_TOROS (NF_NUMERO, CODIGOFORNECEDOR)");
        QString message;
        try {
            data::Transaction work(db.c);
            rules.moveLines({123, 1}, {124, 1}, {1, "ALFA", 1.0, ""});
            db.header(124, 1);
            work.commit();
        } catch (const data::DataError &e) {
            message = e.message();
        }
        QVERIFY2(message.contains("TESTE_UNICA"), qPrintable(message));
        QCOMPARE(rules.lineCount({123, 1}), 1);
        QCOMPARE(rules.lineCount({124, 1}), 0);
        QCOMPARE(rules.headerCount({124, 1}), 1);
    }

    // The invoice goes with all its lines; one with a sawn log stays whole.
    void removeInvoice()
    {
        Db db;
        LogInvoice rules(db.c);
        db.header(10, 1);
        db.header(10, 2);
        db.header(11, 1);
        for (int p : {1, 2, 3})
            db.line(p, 10, 1, 10, 1);
        db.line(4, 10, 2, 10, 1);
        db.line(5, 11, 1, 10, 1);
        db.line(6, 11, 1, 10, 1, 1); // sawn
        QCOMPARE(rules.sawnLogs({11, 1}), 1);
        QCOMPARE(rules.sawnLogs({10, 1}), 0);
        QVERIFY(!rules.remove(db.headerKey(11, 1)));
        QCOMPARE(rules.lineCount({11, 1}), 2);
        QCOMPARE(rules.headerCount({11, 1}), 1);
        QVERIFY(rules.remove(db.headerKey(10, 1)));
        QCOMPARE(rules.lineCount({10, 1}), 0);
        QCOMPARE(rules.headerCount({10, 1}), 0);
        QCOMPARE(rules.lineCount({10, 2}), 1);
        QCOMPARE(rules.headerCount({10, 2}), 1);
        QVERIFY_THROWS_EXCEPTION(data::DataError, rules.remove(999));
    }

    void packingList()
    {
        Db db;
        LogPackingList lists(db.c);
        auto row = [&](int nf, int client, double volume, double value) {
            data::execute(db.c, "insert into ROMANEIO_TORO (NF, CODEMPRESA, TOTALM3, VLTOTAL) values (:nf, :c, :m, :v)",
                          {{"nf", nf}, {"c", client}, {"m", volume}, {"v", value}});
        };
        for (int i = 0; i < 5; ++i)
            row(3, 1, 0.7854, 78.54);
        row(3, 2, 1, 1);
        const PackingListTotals t = lists.totals({3, 1});
        QCOMPARE(t.lines, 5);
        QCOMPARE(QString::number(t.volume, 'f', 4), QString("3.9270"));
        QCOMPARE(QString::number(t.value, 'f', 2), QString("392.70"));
        QCOMPARE(lists.remove({3, 1}), 5);
        QCOMPARE(lists.totals({3, 1}).lines, 0);
        QCOMPARE(lists.totals({3, 2}).lines, 1);
    }

    // Intake + production - output. Intake and output lines match by species
    // and sub-product code; production rows by species and sub-product name
    // (their CODPRODUTO is a log plate and never counts as a product code).
    void sawnBalance()
    {
        Db db;
        // The database gives each sub-product its code.
        auto sub = [&](const QString &name) {
            data::execute(db.c, "insert into SUBPRODUTO (NOMEGRAU) values (:n)", {{"n", name}});
            return data::firstRow(db.c, "select GRAUIND from SUBPRODUTO where NOMEGRAU = :n", {{"n", name}})
                .value(0).toInt();
        };
        auto in = [&](int esp, int prod, QVariant q) {
            data::execute(db.c, "insert into ENTRADA_SERRADA_DISCRIMINACAO (CODIGOESSENCIA, CODIGOPRODUTO, QUANTIDADE, CPF) "
                                "values (:e, :p, :q, 1)", {{"e", esp}, {"p", prod}, {"q", q}});
        };
        int plate = 100;
        auto made = [&](int esp, const QString &product, QVariant q) {
            data::execute(db.c, "insert into PRODUCAO (CODPRODUTO, CODIGOESSENCIA, PRODUTO, QSERRADA) "
                                "values (:pl, :e, :n, :q)", {{"pl", plate++}, {"e", esp}, {"n", product}, {"q", q}});
        };
        auto out = [&](int esp, int prod, QVariant m3) {
            data::execute(db.c, "insert into SAIDA_MADEIRAS_DISCRIMINACAO (CODIGOESSENCIA, CODIGOPRODUTO, TOTALM3, CPF) "
                                "values (:e, :p, :m, 1)", {{"e", esp}, {"p", prod}, {"m", m3}});
        };
        const QString longName = QStringLiteral("TABUA APARELHADA DE PRIMEIRA QUALIDADE"); // 38 characters
        const int viga = sub("VIGA"), tabua = sub("TABUA"), aparelhada = sub(longName);
        QCOMPARE(SawnBalance::of(db.c, 1, viga).balance, 0.0); // nothing at all
        QCOMPARE(SawnBalance::overall(db.c).balance, 0.0);

        in(1, viga, 10.5);
        in(1, viga, QVariant()); // an empty quantity counts as nothing
        in(1, tabua, 100.0);
        in(2, viga, 100.0);
        made(1, "viga ", 2.0);  // case and outer blanks do not matter
        made(1, " VIGA", 0.25);
        made(2, "VIGA", 50.0);  // another species
        made(1, "VIGAS", 9.0);  // another name
        made(1, longName.left(30), 1.5); // stored cut to the column's size
        made(1, "TABUA", QVariant());
        out(1, viga, 3.0);
        out(1, viga, QVariant());
        out(1, tabua, 130.0);

        const SawnBalance b = SawnBalance::of(db.c, 1, viga);
        QCOMPARE(b.intake, 10.5);
        QCOMPARE(b.production, 2.25);
        QCOMPARE(b.output, 3.0);
        QCOMPARE(b.balance, 9.75);
        // More sold than came in: the balance goes below zero, as it is.
        QCOMPARE(SawnBalance::of(db.c, 1, tabua).balance, -30.0);
        QCOMPARE(SawnBalance::of(db.c, 2, viga).production, 50.0);
        QCOMPARE(SawnBalance::of(db.c, 2, viga).balance, 150.0);
        QCOMPARE(SawnBalance::of(db.c, 1, aparelhada).production, 1.5);
        // No such sub-product: no production matches its code.
        QCOMPARE(SawnBalance::of(db.c, 1, 100).production, 0.0);
        // A plate equal to a product code counts for nothing.
        data::execute(db.c, "insert into PRODUCAO (CODPRODUTO, CODIGOESSENCIA, PRODUTO, QSERRADA) "
                            "values (:pl, 1, 'OUTRO', 5)", {{"pl", viga}});
        QCOMPARE(SawnBalance::of(db.c, 1, viga).production, 2.25);

        const SawnBalance ofViga = SawnBalance::ofProduct(db.c, viga);
        QCOMPARE(ofViga.intake, 110.5);
        QCOMPARE(ofViga.production, 52.25);
        QCOMPARE(ofViga.output, 3.0);
        QCOMPARE(ofViga.balance, 159.75);

        // Everything, the unmatched production rows included.
        const SawnBalance all = SawnBalance::overall(db.c);
        QCOMPARE(all.intake, 210.5);
        QCOMPARE(all.production, 67.75);
        QCOMPARE(all.output, 133.0);
        QCOMPARE(all.balance, 145.25);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TestRules t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_rules.moc"
