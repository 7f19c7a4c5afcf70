#include "TestDatabase.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/SchemaUpgrade.h"
#include "data/Statement.h"

#include <QtTest>

using namespace data;

namespace {

void logLine(Connection *c, int invoice, double quantity)
{
    execute(c, QStringLiteral("insert into ENTRADA_TOROS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, CPF, "
                              "CODIGOESSENCIA, QUANTIDADE, SITUACAO) values (:n, 1, 0, 3, :q, 0)"),
            {{QStringLiteral("n"), invoice}, {QStringLiteral("q"), quantity}});
}

double yardStock(Connection *c)
{
    return firstRow(c, QStringLiteral("select coalesce(sum(QUANTIDADE), 0) from YARD_STOCK where CODIGOESSENCIA = 3"))
        .value(0)
        .toDouble();
}

} // namespace

class TestSchemaUpgrade : public QObject
{
    Q_OBJECT

private slots:
    // A database of an earlier version, lacking a piece of every step: one
    // catalog read finds them all, in the order they apply; applying them
    // makes it whole, computes the stock from movements written meanwhile,
    // and a second run finds nothing to do.
    void olderDatabaseGetsEveryMissingPiece()
    {
        TestDatabase tdb;
        Connection c(QStringLiteral("upgrade"));
        c.setDatabaseName(tdb.path());
        c.open();
        QVERIFY(SchemaUpgrade::missing(SchemaUpgrade::catalog(&c)).isEmpty());
        logLine(&c, 1, 2.0);
        for (const char *drop : {"drop trigger AIUD_YARD_STOCK", "drop trigger AIUD_SAWN_STOCK_INTAKE",
                                 "drop trigger AIUD_SAWN_STOCK_OUTPUT", "drop trigger AIUD_SAWN_STOCK_PRODUCTION",
                                 "drop procedure FOLD_YARD_STOCK", "drop procedure FOLD_SAWN_STOCK",
                                 "drop table YARD_STOCK", "drop table SAWN_STOCK", "drop sequence GEN_STOCK_DELTA",
                                 "drop table NFE_TOROS", "drop index IDX_TOROS_DISC_NF_KEY",
                                 "drop trigger AIU_SAIDA_MADEIRAS_CNPJ", "drop trigger AD_SAIDA_MADEIRAS_CNPJ",
                                 "drop table SAIDA_MADEIRAS_CNPJ"})
            execute(&c, QString::fromLatin1(drop));
        logLine(&c, 2, 4.0); // written while the summaries were missing

        const QVector<SchemaUpgrade::Missing> parts = SchemaUpgrade::missing(SchemaUpgrade::catalog(&c));
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts[0].step, SchemaUpgrade::Stock);
        QCOMPARE(parts[0].objects.first(), QStringLiteral("SEQUENCE:GEN_STOCK_DELTA"));
        QVERIFY(parts[0].objects.contains(QStringLiteral("INDEX:IDX_YARD_STOCK_ESSENCIA")));
        QVERIFY(parts[0].objects.contains(QStringLiteral("PROCEDURE:FOLD_SAWN_STOCK")));
        QCOMPARE(parts[1].objects, QStringList({"TABLE:NFE_TOROS"}));
        QCOMPARE(parts[2].objects, QStringList({"INDEX:IDX_TOROS_DISC_NF_KEY"}));
        QCOMPARE(parts[3].objects,
                 QStringList({"TABLE:SAIDA_MADEIRAS_CNPJ", "TRIGGER:AIU_SAIDA_MADEIRAS_CNPJ", "TRIGGER:AD_SAIDA_MADEIRAS_CNPJ"}));

        const QStringList made = SchemaUpgrade::ensureInstalled(&c);
        QCOMPARE(made.size(), parts[0].objects.size() + 5);
        QVERIFY(SchemaUpgrade::missing(SchemaUpgrade::catalog(&c)).isEmpty());
        QCOMPARE(SchemaUpgrade::ensureInstalled(&c), QStringList());
        QCOMPARE(yardStock(&c), 6.0);
        logLine(&c, 3, 1.0); // the trigger is back
        QCOMPARE(yardStock(&c), 7.0);
    }

    // One stock trigger lost on its own is made again, and the figures it
    // missed are computed from the movements.
    void lostTriggerIsMadeAgain()
    {
        TestDatabase tdb;
        Connection c(QStringLiteral("upgrade"));
        c.setDatabaseName(tdb.path());
        c.open();
        execute(&c, QStringLiteral("drop trigger AIUD_YARD_STOCK"));
        logLine(&c, 1, 5.0);
        QCOMPARE(yardStock(&c), 0.0);
        QCOMPARE(SchemaUpgrade::ensureInstalled(&c), QStringList({"TRIGGER:AIUD_YARD_STOCK"}));
        QCOMPARE(yardStock(&c), 5.0);
    }

    // A step whose second definition fails leaves nothing of itself behind,
    // and the database's text reaches the caller.
    void failedStepLeavesNothing()
    {
        TestDatabase tdb;
        Connection c(QStringLiteral("upgrade"));
        c.setDatabaseName(tdb.path());
        c.open();
        const SchemaUpgrade::Missing part{SchemaUpgrade::AddedTables,
                                          {"TABLE:UPGRADE_FIRST", "TABLE:UPGRADE_SECOND"},
                                          {"create table UPGRADE_FIRST (A integer)",
                                           "create table UPGRADE_SECOND (A no_such_domain)"}};
        try {
            SchemaUpgrade::apply(&c, part);
            QFAIL("the broken definition was accepted");
        } catch (const DataError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("NO_SUCH_DOMAIN"), Qt::CaseInsensitive), qPrintable(e.message()));
        }
        QVERIFY(!SchemaUpgrade::catalog(&c).contains(QStringLiteral("TABLE:UPGRADE_FIRST")));
    }

    void objectOfReadsTheCreateStatements_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("object");
        QTest::newRow("table") << "CREATE TABLE nfe_toros (\n A INTEGER)" << "TABLE:NFE_TOROS";
        QTest::newRow("descending index") << "create descending index IDX_X on T (A)" << "INDEX:IDX_X";
        QTest::newRow("generator") << "CREATE GENERATOR GEN_A" << "SEQUENCE:GEN_A";
        QTest::newRow("or alter trigger") << "  CREATE OR ALTER TRIGGER T1 FOR T AS BEGIN END" << "TRIGGER:T1";
        QTest::newRow("not a definition") << "insert into T values (1)" << "";
    }
    void objectOfReadsTheCreateStatements()
    {
        QFETCH(QString, statement);
        QFETCH(QString, object);
        QCOMPARE(SchemaUpgrade::objectOf(statement), object);
    }
};

QTEST_GUILESS_MAIN(TestSchemaUpgrade)
#include "tst_SchemaUpgrade.moc"
