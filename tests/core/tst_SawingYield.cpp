#include "core/SawingYield.h"

#include <QtTest>

class TestSawingYield : public QObject
{
    Q_OBJECT
private slots:
    void againstTheCoefficient_data()
    {
        QTest::addColumn<double>("logs");
        QTest::addColumn<double>("sawn");
        QTest::addColumn<double>("coefficient");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("difference");
        QTest::newRow("below") << 10.0 << 3.2 << 35.0 << "32,00" << "ABAIXO" << "-0,3000";
        QTest::newRow("above") << 10.0 << 4.0 << 35.0 << "40,00" << "ACIMA" << "+0,5000";
        QTest::newRow("on it") << 10.0 << 3.5 << 35.0 << "35,00" << "NO COEFICIENTE" << "0,0000";
        // A company's own coefficient moves the line.
        QTest::newRow("own coefficient") << 10.0 << 3.2 << 30.0 << "32,00" << "ACIMA" << "+0,2000";
        // Sawn wood with no logs behind it is all above.
        QTest::newRow("no logs") << 0.0 << 1.25 << 35.0 << "" << "ACIMA" << "+1,2500";
        QTest::newRow("nothing") << 0.0 << 0.0 << 35.0 << "" << "NO COEFICIENTE" << "0,0000";
        // Below a ten-thousandth is no difference at all.
        QTest::newRow("rounds to zero") << 1.0 << 0.35004 << 35.0 << "35,00" << "NO COEFICIENTE" << "0,0000";
    }
    void againstTheCoefficient()
    {
        QFETCH(double, logs);
        QFETCH(double, sawn);
        QFETCH(double, coefficient);
        QFETCH(QString, percent);
        QFETCH(QString, flag);
        QFETCH(QString, difference);
        QCOMPARE(core::formatYieldPercent(core::yieldPercent(logs, sawn)), percent);
        const double d = core::yieldDifference(logs, sawn, coefficient);
        QCOMPARE(core::yieldFlagText(core::yieldFlag(d)), flag);
        QCOMPARE(core::formatSignedVolume(d), difference);
    }
};

QTEST_APPLESS_MAIN(TestSawingYield)
#include "tst_SawingYield.moc"
