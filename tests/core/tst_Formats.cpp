#include "core/Formats.h"

#include <QTest>

#include <cmath>
#include <limits>

using core::editValue;
using core::formatFloat;
using core::generalNumber;

class TestFormats : public QObject
{
    Q_OBJECT

private slots:
    void displayPatterns_data();
    void displayPatterns();
    void generalFormat_data();
    void generalFormat();
    void computationsWrittenAsText();
    void editTextRead_data();
    void editTextRead();
    void generalFormatReadsBack();
    void strictNumber_data();
    void strictNumber();
};

void TestFormats::displayPatterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("volume") << "#0.0000" << 0.3 << "0,3000";
    QTest::newRow("volume of no rows") << "#0.0000" << 0.0 << "0,0000";
    QTest::newRow("no thousands without comma") << "#0.00" << 1250.5 << "1250,50";
    QTest::newRow("header volume 3 places") << "#0.000" << 3.2346 << "3,235";
    QTest::newRow("half away from zero") << "#0.00" << 2.675 << "2,68";
    QTest::newRow("negative half away") << "#0.00" << -2.675 << "-2,68";
    QTest::newRow("binary 1,005 still a tie") << "0.00" << 1.005 << "1,01";
    QTest::newRow("below half") << "0.00" << 0.00499 << "0,00";
    QTest::newRow("carry into integer") << "0.00" << 9.999 << "10,00";
    QTest::newRow("subtotal thousands") << "#,####0.0000" << 1234567.5 << "1.234.567,5000";
    QTest::newRow("subtotal small") << "#,####0.0000" << 0.81 << "0,8100";
    QTest::newRow("money thousands") << "#,####0.00" << 1234.5 << "1.234,50";
    QTest::newRow("negative thousands") << "#,####0.00" << -1234567.0 << "-1.234.567,00";
    QTest::newRow("index thousands") << "###,#0.00" << 4.0 << "4,00";
    QTest::newRow("index large") << "###,#0.00" << 12345.678 << "12.345,68";
    QTest::newRow("balance positive") << "0.0000;-0.0000" << 1.0 << "1,0000";
    QTest::newRow("balance negative") << "0.0000;-0.0000" << -0.0001 << "-0,0001";
    QTest::newRow("balance rounds to zero unsigned") << "0.0000;-0.0000" << -0.00004 << "0,0000";
    QTest::newRow("two places balance") << "0.00;-0.00" << -3.0 << "-3,00";
    QTest::newRow("rate literal percent") << "0.00%" << 17.0 << "17,00%";
    QTest::newRow("document number") << "000000" << 123.0 << "000123";
    QTest::newRow("document number zero") << "000000" << 0.0 << "000000";
    QTest::newRow("document number too long") << "000000" << 1234567.0 << "1234567";
    QTest::newRow("user code") << "000" << 7.0 << "007";
    QTest::newRow("integer rounds half away") << "000" << 2.5 << "003";
    QTest::newRow("field quantity") << "0.0000" << 0.0333333333333333 << "0,0333";
    QTest::newRow("field money") << "0.00" << 97.2 << "97,20";
    QTest::newRow("optional decimals") << "0.##" << 1.5 << "1,5";
    QTest::newRow("optional decimals none") << "0.##" << 2.0 << "2";
    QTest::newRow("no integer placeholder zero") << "#.00" << 0.5 << ",50";
    QTest::newRow("zero section") << "0.00;-0.00;'nada'" << 0.0 << "nada";
    QTest::newRow("empty negative section") << "0.00;;'nada'" << -1.5 << "-1,50";
    QTest::newRow("quoted text") << "'R$ '#,##0.00" << 1000.0 << "R$ 1.000,00";
    QTest::newRow("large value") << "#0.00" << 123456789012.345 << "123456789012,35";
    QTest::newRow("empty pattern is general") << "" << 0.5 << "0,5";
}

void TestFormats::displayPatterns()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatFloat(pattern, value), expected);
}

void TestFormats::generalFormat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("integer") << 170.0 << "170";
    QTest::newRow("fraction") << 0.81 << "0,81";
    QTest::newRow("negative") << -12.5 << "-12,5";
    QTest::newRow("noise removed") << 0.1 + 0.2 << "0,3";
    QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("big integer") << 123456789012345.0 << "123456789012345";
    QTest::newRow("sixteen integer digits") << 1234567890123456.0 << "1,23456789012346E15";
    QTest::newRow("smallest fixed") << 0.00001 << "0,00001";
    QTest::newRow("below fixed") << 0.0000015 << "1,5E-6";
    QTest::newRow("rounding carries") << 0.9999999999999999 << "1";
}

void TestFormats::generalFormat()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(generalNumber(value), expected);
}

// The products and quotients of the entry windows, written back as text.
void TestFormats::computationsWrittenAsText()
{
    // Tax values: base x rate / 100.
    QCOMPARE(generalNumber(editValue("1000,00") * editValue("17,00") / 100), QString("170"));
    QCOMPARE(generalNumber(editValue("1234,56") * editValue("2,3") / 100), QString("28,39488"));
    // Line value: quantity x unit value.
    QCOMPARE(generalNumber(editValue("0,8100") * editValue("120,00")), QString("97,2"));
    // Packing-list volume: C x D x D x K / 10, and its value.
    const double totalM3 = 4.00 * 0.50 * 0.50 * 7.854 / 10;
    QCOMPARE(generalNumber(totalM3), QString("0,7854"));
    QCOMPARE(generalNumber(editValue(generalNumber(totalM3)) * editValue("100,00")), QString("78,54"));
    QCOMPARE(generalNumber(4.00 * 0.50 * 0.50 * 8 / 10), QString("0,8"));
    // Sawn volume of a production: log volume / index / 10.
    QCOMPARE(generalNumber(12.0 / 4.0 / 10), QString("0,3"));
    QCOMPARE(generalNumber(1.0 / 3.0 / 10), QString("0,0333333333333333"));
    // Sawn-wood lines by cubic and square metres.
    QCOMPARE(generalNumber(10 * 3.00 * 0.20 * 0.050), QString("0,3"));
    QCOMPARE(generalNumber(0.3 * 450.00), QString("135"));
    QCOMPARE(generalNumber(4 * 2.50 * 0.30), QString("3"));
}

void TestFormats::editTextRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("zero with decimals") << "0,00" << 0.0;
    QTest::newRow("plain") << "17,00" << 17.0;
    QTest::newRow("thousands dots skipped") << "1.234,50" << 1234.5;
    QTest::newRow("negative") << "-0,09" << -0.09;
    QTest::newRow("negative after blanks") << "  -2,5" << -2.5;
    QTest::newRow("minus not first") << "2-5" << 25.0;
    QTest::newRow("only first comma") << "1,2,3" << 1.23;
    QTest::newRow("currency text") << "R$ 12,30" << 12.3;
    QTest::newRow("no digits") << "abc" << 0.0;
    QTest::newRow("comma only") << "," << 0.0;
    QTest::newRow("masked number") << "000123" << 123.0;
}

void TestFormats::editTextRead()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(editValue(text), expected);
}

// Whatever the general format writes must read back as the same value,
// including the scientific form of very small results.
void TestFormats::generalFormatReadsBack()
{
    const double values[] = {0.0, 0.81, -97.2, 0.0333333333333333, 0.0000015, -2.5e-9,
                             1234567890123456.0, 1e20};
    for (const double v : values) {
        const QString text = generalNumber(v);
        QCOMPARE(editValue(text), std::stod(QString::number(v, 'g', 15).toStdString()));
    }
}

void TestFormats::strictNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << "10" << true << 10.0;
    QTest::newRow("decimal") << "0,050" << true << 0.05;
    QTest::newRow("blanks around") << " 3,00 " << true << 3.0;
    QTest::newRow("negative") << "-1,5" << true << -1.5;
    QTest::newRow("grouped") << "1.234.567,8" << true << 1234567.8;
    QTest::newRow("leading comma") << ",5" << true << 0.5;
    QTest::newRow("exponent") << "1,5E-6" << true << 1.5e-6;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("dot as decimal") << "1.5" << false << 0.0;
    QTest::newRow("bad grouping") << "12.34,5" << false << 0.0;
    QTest::newRow("trailing text") << "2,5x" << false << 0.0;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    QTest::newRow("dangling exponent") << "1E" << false << 0.0;
}

void TestFormats::strictNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    double out = -42;
    QCOMPARE(core::parseNumber(text, &out), valid);
    QCOMPARE(out, valid ? expected : -42.0);
}

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_Formats.moc"
