#include "core/Formats.h"
#include "core/LogVolume.h"

#include <QtTest>

using namespace core;

// The worked figures of the log intake and the packing list, checked as the
// texts the windows write back (general number format), since that is what
// reaches the columns.
class TestLogVolume : public QObject
{
    Q_OBJECT
private slots:
    void intakeVolume_data()
    {
        QTest::addColumn<double>("c");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("index");
        QTest::addColumn<QString>("gross");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QString>("quantity");
        QTest::newRow("ten percent") << 4.00 << 0.50 << 0.45 << 10.0 << "0,9" << "0,09" << "0,81";
        QTest::newRow("no index: product itself") << 3.00 << 0.40 << 0.40 << 0.0 << "0,48" << "0" << "0,48";
        QTest::newRow("gross to four places") << 2.50 << 0.33 << 0.50 << 0.0 << "0,4125" << "0" << "0,4125";
        QTest::newRow("discount tie goes to even") << 2.50 << 0.33 << 0.50 << 5.0 << "0,4125" << "0,0206" << "0,3919";
        // Unrounded product when the index is zero: 1,23 x 0,37 x 0,41 = 0,186591
        QTest::newRow("no index keeps every digit") << 1.23 << 0.37 << 0.41 << 0.0 << "0,1866" << "0" << "0,186591";
        QTest::newRow("zero diameter") << 4.00 << 0.50 << 0.0 << 10.0 << "0" << "0" << "0";
    }
    void intakeVolume()
    {
        QFETCH(double, c);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, index);
        const LogVolume v = logVolume(c, x, y, index);
        QTEST(generalNumber(v.gross), "gross");
        QTEST(generalNumber(v.discount), "discount");
        QTEST(generalNumber(v.quantity), "quantity");
    }

    void discountRoundsHalfToEven()
    {
        QCOMPARE(generalNumber(logDiscount(0.4125, 5)), QString("0,0206")); // 0,020625: down to even
        QCOMPARE(generalNumber(logDiscount(0.4150, 5)), QString("0,0208")); // 0,02075: up to even
        QCOMPARE(generalNumber(logDiscount(0.0003, 50)), QString("0,0002")); // 0,00015
        QCOMPARE(generalNumber(logDiscount(0.4127, 5)), QString("0,0206")); // 0,020635: no tie
    }

    // A negative index on a huge log: the net volume is clamped to the
    // amount's range, not wrapped round to a negative figure.
    void netVolumeStaysInRange()
    {
        const double top = 922337203685477.5807;
        QCOMPARE(netLogVolume(9e14, -9e14), top);
        QCOMPARE(netLogVolume(-9e14, 9e14), -top);
        QCOMPARE(netLogVolume(9e14, 1e14), 8e14);
        const LogVolume v = logVolume(1e6, 1e5, 9e3, -150.0);
        QVERIFY(v.quantity > 0);
    }

    void lineValueAndTaxes()
    {
        QCOMPARE(generalNumber(lineValue(0.81, 120.00)), QString("97,2"));
        QCOMPARE(generalNumber(percentOf(1000.00, 17.00)), QString("170"));
        QCOMPARE(generalNumber(percentOf(1234.56, 2.3)), QString("28,39488"));
    }

    void packingList()
    {
        QCOMPARE(generalNumber(packingListVolume(4.00, 0.50)), QString("0,7854"));
        QCOMPARE(generalNumber(lineValue(packingListVolume(4.00, 0.50), 100.00)), QString("78,54"));
        QCOMPARE(generalNumber(packingListVolume(4.00, 0.50, 8.0)), QString("0,8"));
        QCOMPARE(generalNumber(packingListVolume(0.0, 0.50)), QString("0"));
    }
};

QTEST_APPLESS_MAIN(TestLogVolume)
#include "tst_LogVolume.moc"
