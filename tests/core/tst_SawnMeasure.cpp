#include "core/Formats.h"
#include "core/SawnMeasure.h"

#include <QtTest>

using namespace core;

class TestSawnMeasure : public QObject
{
    Q_OBJECT
private slots:
    // Checked as the text written back into "Total", which is what is stored.
    void total_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("c");
        QTest::addColumn<double>("l");
        QTest::addColumn<double>("e");
        QTest::addColumn<bool>("computed");
        QTest::addColumn<QString>("text");
        QTest::newRow("sale M/3") << "M/3" << 10.0 << 3.00 << 0.20 << 0.050 << true << "0,3";
        QTest::newRow("sale M/2 ignores thickness") << "M/2" << 4.0 << 2.50 << 0.30 << 0.9 << true << "3";
        QTest::newRow("packing list M/3") << "M/3" << 20.0 << 4.00 << 0.25 << 0.025 << true << "0,5";
        QTest::newRow("packing list M/2") << "M/2" << 10.0 << 3.00 << 0.20 << 0.0 << true << "6";
        QTest::newRow("lower case unit") << "m/3" << 1.0 << 2.0 << 0.5 << 0.1 << true << "0,1";
        QTest::newRow("M/3 without thickness") << "M/3" << 5.0 << 2.0 << 0.3 << 0.0 << true << "0";
        QTest::newRow("PC computes nothing") << "PC" << 10.0 << 3.0 << 0.2 << 0.05 << false << "";
        QTest::newRow("KG computes nothing") << "KG" << 10.0 << 3.0 << 0.2 << 0.05 << false << "";
        QTest::newRow("no unit computes nothing") << "" << 10.0 << 3.0 << 0.2 << 0.05 << false << "";
    }
    void total()
    {
        QFETCH(QString, unit);
        QFETCH(double, q);
        QFETCH(double, c);
        QFETCH(double, l);
        QFETCH(double, e);
        QFETCH(bool, computed);
        double t = -7;
        QCOMPARE(sawnTotal(unit, q, c, l, e, &t), computed);
        if (computed)
            QTEST(generalNumber(t), "text");
        else
            QCOMPARE(t, -7.0); // left as it was
    }

    void decimals()
    {
        QCOMPARE(sawnTotalDecimals(QStringLiteral("M/2")), 2);
        QCOMPARE(sawnTotalDecimals(QStringLiteral("M/3")), 4);
        QCOMPARE(sawnTotalDecimals(QStringLiteral("UM")), -1);
    }

    void balance_data()
    {
        QTest::addColumn<double>("volume");
        QTest::addColumn<double>("balance");
        QTest::addColumn<bool>("exceeds");
        QTest::newRow("equal fits") << 1.0 << 1.0 << false;
        QTest::newRow("one ten-thousandth over") << 1.0001 << 1.0 << true;
        QTest::newRow("balance rounded first") << 1.0 << 0.99996 << false;
        QTest::newRow("balance rounded down") << 1.0 << 0.99994 << true;
        QTest::newRow("last bit of a product") << 10 * 3.00 * 0.20 * 0.050 << 0.3 << false;
        QTest::newRow("nothing available") << 0.3 << 0.0 << true;
        QTest::newRow("empty volume, no balance") << 0.0 << 0.0 << false;
        QTest::newRow("empty volume, negative balance") << 0.0 << -0.5 << true;
        QTest::newRow("below by a hair over four places") << 1.00004 << 1.0 << true;
    }
    void balance()
    {
        QFETCH(double, volume);
        QFETCH(double, balance);
        QTEST(exceedsBalance(volume, balance), "exceeds");
    }
};

QTEST_GUILESS_MAIN(TestSawnMeasure)
#include "tst_SawnMeasure.moc"
