#include "core/Amount.h"
#include "core/Formats.h"

#include <QTest>

#include <cmath>
#include <limits>

using core::AmountRounding;
using core::toTenThousandths;

class TestAmount : public QObject
{
    Q_OBJECT

private slots:
    void rounding_data();
    void rounding();
    void roundedValueIsTheNearestDouble();
    void limits();
    void logVolumeWorkedExamples();
    void totalsShownOnScreen();
};

void TestAmount::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("awayFromZero");
    QTest::addColumn<qint64>("toEven");

    // Ties as written, whichever side of them the double lies.
    QTest::newRow("0,00005") << 0.00005 << qint64(1) << qint64(0);
    QTest::newRow("0,00015") << 0.00015 << qint64(2) << qint64(2);
    QTest::newRow("2,50005") << 2.50005 << qint64(25001) << qint64(25000);
    QTest::newRow("1,23445") << 1.23445 << qint64(12345) << qint64(12344);
    QTest::newRow("1,23455") << 1.23455 << qint64(12346) << qint64(12346);
    QTest::newRow("-0,00005") << -0.00005 << qint64(-1) << qint64(0);
    QTest::newRow("-2,50015") << -2.50015 << qint64(-25002) << qint64(-25002);
    QTest::newRow("0,99995 carries") << 0.99995 << qint64(10000) << qint64(10000);
    // Not ties.
    QTest::newRow("just below half") << 0.000049999 << qint64(0) << qint64(0);
    QTest::newRow("just above half") << 0.000050001 << qint64(1) << qint64(1);
    QTest::newRow("discount 0,020625") << 0.4125 * 5 / 100 << qint64(206) << qint64(206);
    QTest::newRow("exact") << 0.9 << qint64(9000) << qint64(9000);
    QTest::newRow("sum noise") << 0.1 + 0.2 << qint64(3000) << qint64(3000);
    QTest::newRow("zero") << 0.0 << qint64(0) << qint64(0);
    QTest::newRow("large") << 123456789.12345 << qint64(1234567891235) << qint64(1234567891234);
}

void TestAmount::rounding()
{
    QFETCH(double, value);
    QFETCH(qint64, awayFromZero);
    QFETCH(qint64, toEven);
    QCOMPARE(toTenThousandths(value, AmountRounding::HalfAwayFromZero), awayFromZero);
    QCOMPARE(toTenThousandths(value, AmountRounding::HalfEven), toEven);
    QCOMPARE(core::roundAmount4(value), double(awayFromZero) / 10000.0);
    QCOMPARE(core::roundAmount4Even(value), double(toEven) / 10000.0);
}

// A rounded amount must be exactly the double a user would type for it, so
// that comparing it with a typed value (balance 1,0000 against 1,0000) holds.
void TestAmount::roundedValueIsTheNearestDouble()
{
    QCOMPARE(core::roundAmount4(0.99999999), 1.0);
    QCOMPARE(core::roundAmount4(0.1 + 0.2), 0.3);
    QCOMPARE(core::roundAmount4(1.00005), 1.0001);
    QCOMPARE(core::roundAmount4(3.2346), 3.2346);
}

void TestAmount::limits()
{
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    QCOMPARE(toTenThousandths(std::numeric_limits<double>::quiet_NaN()), qint64(0));
    QCOMPARE(toTenThousandths(std::numeric_limits<double>::infinity()), max);
    QCOMPARE(toTenThousandths(-std::numeric_limits<double>::infinity()), -max);
    QCOMPARE(toTenThousandths(1e300), max);
    QCOMPARE(toTenThousandths(-1e16), -max);
    QCOMPARE(toTenThousandths(922337203685477.0), qint64(9223372036854770000));
    QCOMPARE(toTenThousandths(1e-300), qint64(0));
}

// The log line: gross volume and discount rounded to four places, ties even.
void TestAmount::logVolumeWorkedExamples()
{
    double m3 = core::roundAmount4Even(4.00 * 0.50 * 0.45);
    double desconto = core::roundAmount4Even(m3 * 10 / 100);
    QCOMPARE(core::generalNumber(m3), QString("0,9"));
    QCOMPARE(core::generalNumber(desconto), QString("0,09"));
    QCOMPARE(core::generalNumber(m3 - desconto), QString("0,81"));

    QCOMPARE(core::generalNumber(core::roundAmount4Even(3.00 * 0.40 * 0.40)), QString("0,48"));

    m3 = core::roundAmount4Even(2.50 * 0.33 * 0.50);
    QCOMPARE(core::formatFloat("0.0000", m3), QString("0,4125"));
    desconto = core::roundAmount4Even(m3 * 5 / 100);
    QCOMPARE(core::formatFloat("0.0000", desconto), QString("0,0206"));
    QCOMPARE(core::generalNumber(m3 - desconto), QString("0,3919"));
}

void TestAmount::totalsShownOnScreen()
{
    // Invoice lines of 100,005 and 0,001; of 1,2345 m3 and 2,0001 m3.
    QCOMPARE(core::formatAmount(100.005 + 0.001, "#0.00"), QString("100,01"));
    QCOMPARE(core::formatAmount(1.2345 + 2.0001, "#0.000"), QString("3,235"));
    // Rounded to four places first, then to two: the two steps show.
    QCOMPARE(core::formatAmount(0.00495, "#0.00"), QString("0,01"));
    QCOMPARE(core::formatAmount(0.0, "#0.0000"), QString("0,0000"));

    // Statement: sub-totals shown, read back, added.
    const QString logs = core::formatAmount(12.5, "#0.0000");
    const QString sawn = core::formatAmount(3.25, "#0.0000");
    const QString logsValue = core::formatAmount(1000.0, "#0.00");
    const QString sawnValue = core::formatAmount(250.50, "#0.00");
    QCOMPARE(logs, QString("12,5000"));
    QCOMPARE(sawn, QString("3,2500"));
    QCOMPARE(logsValue, QString("1000,00"));
    QCOMPARE(sawnValue, QString("250,50"));
    QCOMPARE(core::formatFloat("#0.0000", core::editValue(logs) + core::editValue(sawn)), QString("15,7500"));
    QCOMPARE(core::formatFloat("#0.00", core::editValue(logsValue) + core::editValue(sawnValue)),
             QString("1250,50"));

    // Running yard total over many small lines stays exact at four places.
    double sum = 0;
    for (int i = 0; i < 1000; ++i)
        sum += 0.1234;
    QCOMPARE(core::formatAmount(sum, "#0.0000"), QString("123,4000"));
}

QTEST_GUILESS_MAIN(TestAmount)
#include "tst_Amount.moc"
