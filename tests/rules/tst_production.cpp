#include "TestDatabase.h"
#include "data/DataError.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "rules/Production.h"

#include <QtTest>

using rules::Production;

// Sawing a log: the production row and the log's place in the yard move
// together, or not at all.
class TestProduction : public QObject
{
    Q_OBJECT

    struct Db
    {
        TestDatabase tdb;
        data::TDM dm;
        data::Connection *c;
        Production production;
        Db() : c(dm.IBDatabase1), production(dm.IBDatabase1) { c->setDatabaseName(tdb.path()); }

        void log(int plate, double volume, int situacao = 0)
        {
            data::execute(c, "insert into ENTRADA_TOROS_DISCRIMINACAO (CODIGOPRODUTO, NFNUMERO, CODIGOFORNECEDOR, "
                             "ESSENCIA, CODIGOESSENCIA, QUANTIDADE, VALTOTAL, SITUACAO, CPF) "
                             "values (:p, 1, 1, 'IPE', 7, :q, 50, :s, 1)",
                          {{"p", plate}, {"q", volume}, {"s", situacao}});
        }
        int situacao(int plate)
        {
            return data::firstRow(c, "select SITUACAO from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = :p",
                                  {{"p", plate}}).value(0).toInt();
        }
        int productions(int plate)
        {
            return data::firstRow(c, "select count(*) from PRODUCAO where CODPRODUTO = :p", {{"p", plate}})
                .value(0).toInt();
        }
        QVariant productionKey(int plate)
        {
            return data::firstRow(c, "select CODLANCAMENTO from PRODUCAO where CODPRODUTO = :p", {{"p", plate}})
                .value(0);
        }
        // Makes every write of KIND ("insert", "delete") to PRODUCAO fail.
        void failProduction(const char *kind)
        {
            data::execute(c, "create exception E_TESTE 'falha forçada'");
            data::execute(c, QStringLiteral("create trigger T_TESTE for PRODUCAO before %1 as begin "
                                            "exception E_TESTE; end").arg(QLatin1String(kind)));
        }
    };

    static rules::ProductionRow row(int plate, double volume, qint64 index, const QString &product = "TABUA")
    {
        rules::ProductionRow r;
        r.date = QDate(2005, 3, 5);
        r.product = product;
        r.log = plate;
        r.species = "IPE";
        r.speciesCode = 7;
        r.logVolume = volume;
        r.logValue = 50;
        r.sawnVolume = Production::sawnVolume(volume, index);
        return r;
    }

private slots:
    void sawnVolume_data()
    {
        QTest::addColumn<double>("log");
        QTest::addColumn<qint64>("index");
        QTest::addColumn<double>("sawn");
        QTest::newRow("12 at 4,00") << 12.0 << qint64(40000) << 0.3;
        QTest::newRow("1 at 3,00, fifteen digits") << 1.0 << qint64(30000) << 0.0333333333333333;
        QTest::newRow("index with decimals") << 2.5 << qint64(12500) << 0.2;
    }
    void sawnVolume()
    {
        QFETCH(double, log);
        QFETCH(qint64, index);
        QFETCH(double, sawn);
        // Exactly the double of the fifteen-digit text, not log / index / 10.
        QCOMPARE(Production::sawnVolume(log, index), sawn);
    }

    // Stored with its fifteen-digit volume, the product cut to 30
    // characters, and the log out of the yard.
    void saveTakesTheLog()
    {
        Db db;
        db.log(101, 1.0);
        db.log(102, 3.0);
        const QString longName = QString(34, QLatin1Char('P'));
        QCOMPARE(db.production.save(row(101, 1.0, 30000, longName)), Production::Refusal::None);
        QCOMPARE(db.situacao(101), 1);
        QCOMPARE(db.situacao(102), 0);
        const QVariantList stored = data::firstRow(
            db.c, "select QSERRADA, PRODUTO, DATA, QTORA, VALTORA, CODIGOESSENCIA from PRODUCAO where CODPRODUTO = 101");
        QCOMPARE(stored.value(0).toDouble(), 0.0333333333333333);
        QCOMPARE(stored.value(1).toString(), longName.left(30));
        QCOMPARE(stored.value(2).toDateTime().date(), QDate(2005, 3, 5));
        QCOMPARE(stored.value(3).toDouble(), 1.0);
        QCOMPARE(stored.value(4).toDouble(), 50.0);
        QCOMPARE(stored.value(5).toInt(), 7);
    }

    // A log that is not there, or was sawn meanwhile elsewhere: refused,
    // nothing written.
    void saveRefusesALogNotInTheYard()
    {
        Db db;
        db.log(101, 12.0);
        QCOMPARE(db.production.save(row(999, 12.0, 40000)), Production::Refusal::LogMissing);
        QCOMPARE(db.productions(999), 0);
        QCOMPARE(db.production.save(row(101, 12.0, 40000)), Production::Refusal::None);
        QCOMPARE(db.production.save(row(101, 12.0, 40000)), Production::Refusal::LogAlreadySawn);
        QCOMPARE(db.productions(101), 1);
        QCOMPARE(db.situacao(101), 1);
    }

    // The production row failing after the log was marked: both as before.
    void failingInsertLeavesTheLogInTheYard()
    {
        Db db;
        db.log(101, 12.0);
        db.failProduction("insert");
        QString message;
        try {
            db.production.save(row(101, 12.0, 40000));
        } catch (const data::DataError &e) {
            message = e.message();
        }
        QVERIFY2(message.contains("E_TESTE") || message.contains("falha"), qPrintable(message));
        QCOMPARE(db.situacao(101), 0);
        QCOMPARE(db.productions(101), 0);
    }

    // A production left behind for a log put back in the yard by hand: the
    // unique index refuses the second one and the log stays where it was.
    void uniqueIndexIsTheLastGuard()
    {
        Db db;
        db.log(101, 12.0);
        QCOMPARE(db.production.save(row(101, 12.0, 40000)), Production::Refusal::None);
        data::execute(db.c, "update ENTRADA_TOROS_DISCRIMINACAO set SITUACAO = 0 where CODIGOPRODUTO = 101");
        QVERIFY_THROWS_EXCEPTION(data::DataError, db.production.save(row(101, 12.0, 40000)));
        QCOMPARE(db.situacao(101), 0);
        QCOMPARE(db.productions(101), 1);
    }

    // Deleting puts the log back; a delete that fails keeps both.
    void removeGivesTheLogBack()
    {
        Db db;
        db.log(101, 12.0);
        db.log(102, 1.0);
        QCOMPARE(db.production.save(row(101, 12.0, 40000)), Production::Refusal::None);
        QCOMPARE(db.production.save(row(102, 1.0, 30000)), Production::Refusal::None);
        QVERIFY(db.production.remove(db.productionKey(101)));
        QCOMPARE(db.situacao(101), 0);
        QCOMPARE(db.productions(101), 0);
        QCOMPARE(db.situacao(102), 1);
        QVERIFY(!db.production.remove(999999));
        QCOMPARE(db.situacao(102), 1);

        db.failProduction("delete");
        QVERIFY_THROWS_EXCEPTION(data::DataError, db.production.remove(db.productionKey(102)));
        QCOMPARE(db.situacao(102), 1);
        QCOMPARE(db.productions(102), 1);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TestProduction t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_production.moc"
