#include "ReportData.h"
#include "ReportTestKit.h"
#include "TestDatabase.h"

#include "data/Connection.h"
#include "reports/ReportDocument.h"
#include "reports/ReportRegistry.h"
#include "reports/UnitRepCredores.h"
#include "reports/UnitRepCredoresCompleto.h"
#include "reports/UnitRepEssencia.h"
#include "reports/UnitRepFornecedores.h"
#include "reports/UnitRepMunicipio.h"
#include "reports/UnitRepProduto.h"
#include "reports/Unitrepsubprodutos.h"

#include <QtTest>

using reports::ReportDocument;

// The seven register listings on a small fixed database.
class TestRegisterListings : public QObject
{
    Q_OBJECT

    TestDatabase *m_tdb = nullptr;
    data::Connection *m_conn = nullptr;
    reporttest::FixedClock *m_clock = nullptr;

    QStringList lines(const reports::ReportDefinition &def)
    {
        ReportDocument doc(def, m_conn);
        doc.layoutAll();
        QStringList all;
        for (int i = 0; i < doc.pageCount(); ++i)
            all += doc.pageLines(i);
        return all;
    }

private slots:
    void initTestCase()
    {
        m_tdb = new TestDatabase;
        m_conn = new data::Connection(QStringLiteral("listings"));
        m_conn->setDatabaseName(m_tdb->path());
        m_conn->open();
        m_clock = new reporttest::FixedClock;
        reportdata::fill(m_conn);
        reportdata::fillRegisters(m_conn);
    }
    void cleanupTestCase()
    {
        delete m_clock;
        delete m_conn;
        delete m_tdb;
    }

    void golden_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"RepEssencia", "RepProduto", "Repsubproduto", "RepMunicipio", "RepFornecedores",
                                 "RepCredores", "RepCredores1"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    // Each listing as the printer gets it; all are in the catalog.
    void golden()
    {
        QFETCH(QString, name);
        QString error;
        const auto def = reports::makeReport(name, *m_conn);
        QCOMPARE(def.paper, reports::Paper::A4);
        const QString text = reporttest::reportText(def, m_conn, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QUELVORA_COMPARE_GOLDEN(text, name + QStringLiteral(".txt"));
    }

    // Client 7 prints 007, under its initial; the complete listing prints
    // no code.
    void clientCodesAndInitials()
    {
        const QStringList l = lines(reports::RepCredores());
        const int p = l.indexOf(QStringLiteral("P"));
        QVERIFY(p > l.indexOf(QStringLiteral("C")));
        QCOMPARE(l.value(p + 1), QStringLiteral("007 PEDRO ALVES 6635311234"));
        QVERIFY(l.contains(QStringLiteral("001 CLIENTE 1")));
        QCOMPARE(l.count(QStringLiteral("C")), 1);

        const QStringList complete = lines(reports::RepCredores1());
        QVERIFY(complete.contains(QStringLiteral("PEDRO ALVES")));
        QVERIFY(complete.contains(QStringLiteral("00000000000000 52998224725")));
        QVERIFY(!complete.join(QLatin1Char('\n')).contains(QStringLiteral("007")));
    }

    void ordersAndFormats()
    {
        QStringList species;
        for (const QString &l : lines(reports::RepEssencia()))
            if (l.endsWith(QStringLiteral("IPE")) || l.endsWith(QStringLiteral("CEDRINHO"))
                || l.endsWith(QStringLiteral("ANGELIM PEDRA")))
                species << l;
        QCOMPARE(species, QStringList({"3 ANGELIM PEDRA", "2 CEDRINHO", "1 IPE"}));
        const QStringList products = lines(reports::RepProduto());
        QVERIFY(products.contains(QStringLiteral("2 TABUA M/3 55,00 1 SERRADO")));
        QVERIFY(products.contains(QStringLiteral("1 VIGA M/3 1.234,50 1,2 SERRADO")));
        QVERIFY(products.indexOf(QStringLiteral("2 TABUA M/3 55,00 1 SERRADO"))
                < products.indexOf(QStringLiteral("1 VIGA M/3 1.234,50 1,2 SERRADO")));
        QVERIFY(lines(reports::RepMunicipio()).contains(QStringLiteral("5103403 CUIABA MT")));
    }
};

QTEST_MAIN(TestRegisterListings)
#include "tst_RegisterListings.moc"
