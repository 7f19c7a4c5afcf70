#include "TestDatabase.h"
#include "data/Connection.h"
#include "data/SchemaIndexes.h"
#include "data/Statement.h"

#include <QSqlQuery>
#include <QtTest>

using namespace data;

class TestSchemaIndexes : public QObject
{
    Q_OBJECT

private:
    static QString planOf(Connection *c, const QString &sql) { return c->planOf(sql); }

private slots:
    // A new database has every index of the schema; one made before the
    // page indexes existed gets them when upgraded, once, and the first page
    // of an invoice's lines is then read through them instead of walking the
    // whole key index.
    void olderDatabaseGetsThePageIndexes()
    {
        TestDatabase tdb;
        Connection c(QStringLiteral("indexes"));
        c.setDatabaseName(tdb.path());
        c.open();
        QVERIFY(SchemaIndexes::definitions().size() > 20);
        QCOMPARE(SchemaIndexes::missing(&c), QStringList());
        // Plans follow the index statistics: 300 invoices of 10 lines.
        {
            c.ensureConnected();
            QSqlQuery q(c.database());
            QVERIFY(q.exec(QStringLiteral(
                "execute block as declare i integer = 0; begin while (i < 3000) do begin "
                "insert into ENTRADA_TOROS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, CPF) "
                "values (:i / 10, mod(:i / 10, 7), 0); i = i + 1; end end")));
        }
        c.refreshIndexStatistics();

        const QString page = QStringLiteral(
            "SELECT CODDISCRIMINACAO FROM ENTRADA_TOROS_DISCRIMINACAO WHERE NFNUMERO = ? AND CODIGOFORNECEDOR = ? "
            "ORDER BY CODDISCRIMINACAO ROWS 1 TO 129");
        QVERIFY2(planOf(&c, page).contains(QStringLiteral("ORDER IDX_TOROS_DISC_NF_KEY")), qPrintable(planOf(&c, page)));

        for (const char *drop : {"drop index IDX_TOROS_DISC_NF_KEY", "drop index IDX_ROMANEIO_TORO_NF_KEY",
                                 "drop index IDX_ENTRADA_TOROS_RAZAO_KEYD"})
            execute(&c, QString::fromLatin1(drop));
        QCOMPARE(SchemaIndexes::missing(&c),
                 QStringList({"IDX_TOROS_DISC_NF_KEY", "IDX_ROMANEIO_TORO_NF_KEY", "IDX_ENTRADA_TOROS_RAZAO_KEYD"}));
        QVERIFY(planOf(&c, page).contains(QStringLiteral("ORDER ENTRADA_TOROS_DISC_KEY")));

        QCOMPARE(SchemaIndexes::ensureInstalled(&c).size(), 3);
        QCOMPARE(SchemaIndexes::missing(&c), QStringList());
        QCOMPARE(SchemaIndexes::ensureInstalled(&c), QStringList());
        // A fresh attachment plans with the new index; the row is still there.
        c.close();
        c.open();
        QVERIFY2(planOf(&c, page).contains(QStringLiteral("ORDER IDX_TOROS_DISC_NF_KEY")), qPrintable(planOf(&c, page)));
        QCOMPARE(firstRow(&c, QStringLiteral("select count(*) from ENTRADA_TOROS_DISCRIMINACAO where NFNUMERO = 9 "
                                            "and CODIGOFORNECEDOR = 2")).value(0).toInt(), 10);
        // A descending index is made descending again.
        QCOMPARE(firstRow(&c, QStringLiteral("select RDB$INDEX_TYPE from RDB$INDICES "
                                            "where RDB$INDEX_NAME = 'IDX_ENTRADA_TOROS_RAZAO_KEYD'")).value(0).toInt(), 1);
    }

    // A unique index missing from an older database is left alone: its rows
    // may break it.
    void uniqueIndexesAreNotAdded()
    {
        TestDatabase tdb;
        Connection c(QStringLiteral("indexes"));
        c.setDatabaseName(tdb.path());
        c.open();
        execute(&c, QStringLiteral("drop index INDCODPRODUTO"));
        QVERIFY(!SchemaIndexes::missing(&c).contains(QStringLiteral("INDCODPRODUTO")));
        QCOMPARE(SchemaIndexes::ensureInstalled(&c), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSchemaIndexes)
#include "tst_SchemaIndexes.moc"
