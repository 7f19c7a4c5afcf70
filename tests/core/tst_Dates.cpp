#include "core/Dates.h"

#include <QTest>

class TestDates : public QObject
{
    Q_OBJECT

private slots:
    void fromText_data();
    void fromText();
    void twoDigitYears();
    void toText();
};

void TestDates::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QDate>("date");

    QTest::newRow("plain") << "05/03/2025" << true << QDate(2025, 3, 5);
    QTest::newRow("one digit parts") << "5/3/2025" << true << QDate(2025, 3, 5);
    QTest::newRow("leap day") << "29/02/2024" << true << QDate(2024, 2, 29);
    QTest::newRow("blanks around") << " 31/12/2024 " << true << QDate(2024, 12, 31);
    // Empty in every way an edit shows it.
    QTest::newRow("empty") << "" << true << QDate();
    QTest::newRow("mask blanks") << "  /  /    " << true << QDate();
    QTest::newRow("mask placeholders") << "__/__/____" << true << QDate();
    QTest::newRow("zeros") << "00/00/0000" << true << QDate();
    // Impossible or malformed: reported, no date.
    QTest::newRow("31 February") << "31/02/2025" << false << QDate();
    QTest::newRow("not a leap year") << "29/02/2025" << false << QDate();
    QTest::newRow("month 13") << "12/13/2024" << false << QDate();
    QTest::newRow("day zero") << "00/05/2024" << false << QDate();
    QTest::newRow("year zero") << "01/01/0000" << false << QDate();
    QTest::newRow("partly typed") << "12/05/20  " << false << QDate();
    QTest::newRow("missing part") << "12/05" << false << QDate();
    QTest::newRow("letters") << "1a/05/2024" << false << QDate();
    QTest::newRow("three digit year") << "01/01/202" << false << QDate();
    QTest::newRow("other separator") << "01-01-2024" << false << QDate();
}

void TestDates::fromText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QDate, date);
    bool parsed = !ok;
    const QDate result = core::dateFromText(text, &parsed);
    QCOMPARE(parsed, ok);
    QCOMPARE(result, date);
    QCOMPARE(core::dateFromText(text), date);
}

void TestDates::twoDigitYears()
{
    const int year = QDate::currentDate().year();
    const int yy = year % 100;
    QCOMPARE(core::dateFromText(QString("01/01/%1").arg(yy, 2, 10, QChar('0'))).year(), year);
    const int past = (year - 49) % 100;
    QCOMPARE(core::dateFromText(QString("01/01/%1").arg(past, 2, 10, QChar('0'))).year(), year - 49);
}

void TestDates::toText()
{
    QCOMPARE(core::dateToText(QDate(2025, 3, 5)), QString("05/03/2025"));
    QCOMPARE(core::dateToText(QDate()), QString());
    QCOMPARE(core::dateToText(QDate(), core::kEmptyDateText), QString("00/00/0000"));
    QCOMPARE(core::dateFromText(core::dateToText(QDate(1999, 12, 31))), QDate(1999, 12, 31));
}

QTEST_GUILESS_MAIN(TestDates)
#include "tst_Dates.moc"
