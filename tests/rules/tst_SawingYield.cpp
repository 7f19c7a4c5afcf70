#include "TestDatabase.h"
#include "data/SchemaUpgrade.h"
#include "data/DataError.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "rules/SawingYield.h"

#include <QtTest>

// The yield of a period as the database sums it, and the company's
// coefficient kept in its own table.
class TestSawingYield : public QObject
{
    Q_OBJECT

    struct Db
    {
        TestDatabase tdb;
        data::TDM dm;
        data::Connection *c;
        Db() : c(dm.IBDatabase1) { c->setDatabaseName(tdb.path()); }

        void produce(int plate, const QDateTime &when, int speciesCode, const QString &species, const QString &product,
                     double logs, double sawn)
        {
            data::execute(c, "insert into PRODUCAO (CODPRODUTO, DATA, CODIGOESSENCIA, ESSENCIA, PRODUTO, QTORA, "
                             "QSERRADA) values (:p, :d, :c, :e, :pr, :t, :s)",
                          {{"p", plate}, {"d", when}, {"c", speciesCode}, {"e", species}, {"pr", product},
                           {"t", logs}, {"s", sawn}});
        }
    };

private slots:
    void sumsBySpeciesAndProductWithinThePeriod()
    {
        Db db;
        const QDate from(2026, 11, 1), to(2026, 11, 30);
        // The last day counts whole, whatever the hour.
        db.produce(1, QDateTime(to, QTime(17, 45)), 7, "IPE", "TABUA", 6, 2);
        db.produce(2, QDateTime(from, QTime(0, 0)), 7, "IPE", " tabua ", 4, 1.2);
        db.produce(3, QDateTime(from.addDays(3), QTime(8, 0)), 7, "IPE", "VIGA", 5, 2);
        db.produce(4, QDateTime(from.addDays(4), QTime(8, 0)), 3, "CEDRO", "TABUA", 2, 1);
        // Outside the period on either side.
        db.produce(5, QDateTime(from.addDays(-1), QTime(23, 59)), 7, "IPE", "TABUA", 100, 100);
        db.produce(6, QDateTime(to.addDays(1), QTime(0, 0)), 3, "CEDRO", "TABUA", 100, 100);

        const QVector<rules::YieldLine> lines = rules::yieldLines(db.c, from, to);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].species, QStringLiteral("CEDRO"));
        QCOMPARE(lines[1].product, QStringLiteral("TABUA"));
        QCOMPARE(lines[1].logs, 10.0);
        QCOMPARE(lines[1].sawn, 3.2);
        QCOMPARE(lines[2].product, QStringLiteral("VIGA"));

        const QVector<rules::YieldSpecies> species = rules::yieldBySpecies(lines);
        QCOMPARE(species.size(), 2);
        QCOMPARE(species[1].species, QStringLiteral("IPE"));
        QCOMPARE(species[1].products.size(), 2);
        QCOMPARE(species[1].logs, 15.0);
        QCOMPARE(species[1].sawn, 5.2);
        QVERIFY(rules::yieldLines(db.c, QDate(2020, 1, 1), QDate(2020, 1, 31)).isEmpty());
    }

    void coefficientStoredForTheCompany()
    {
        Db db;
        QCOMPARE(rules::yieldCoefficient(db.c), 35.0);
        rules::setYieldCoefficient(db.c, 31.5);
        QCOMPARE(rules::yieldCoefficient(db.c), 31.5);
        rules::setYieldCoefficient(db.c, 33);
        QCOMPARE(rules::yieldCoefficient(db.c), 33.0);
        QCOMPARE(data::firstRow(db.c, "select count(*) from COEFICIENTE_RENDIMENTO").value(0).toInt(), 1);
        for (double wrong : {0.0, -5.0, 100.0, std::nan("")}) {
            QVERIFY_THROWS_EXCEPTION(data::DataError, rules::setYieldCoefficient(db.c, wrong));
            QCOMPARE(rules::yieldCoefficient(db.c), 33.0);
        }
    }

    // A database from before the new tables gets them when it is opened.
    void olderDatabaseGetsTheNewTables()
    {
        Db db;
        data::execute(db.c, "drop table COEFICIENTE_RENDIMENTO");
        data::execute(db.c, "drop table NFE_TOROS");
        QVERIFY_THROWS_EXCEPTION(data::DataError, rules::yieldCoefficient(db.c));
        QCOMPARE(data::SchemaUpgrade::ensureInstalled(db.c, {data::SchemaUpgrade::AddedTables}).size(), 2);
        QCOMPARE(data::SchemaUpgrade::ensureInstalled(db.c, {data::SchemaUpgrade::AddedTables}).size(), 0);
        QCOMPARE(rules::yieldCoefficient(db.c), 35.0);
    }
};

QTEST_GUILESS_MAIN(TestSawingYield)
#include "tst_SawingYield.moc"
