#include "core/EditMask.h"

#include <QTest>

using core::EditMask;

class TestEditMask : public QObject
{
    Q_OBJECT

private slots:
    void parsing_data();
    void parsing();
    void display_data();
    void display();
    void storedText_data();
    void storedText();
    void lineEditTextStrips();
    void completeness();
    void caseConversion();
};

void TestEditMask::parsing_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<bool>("storesLiterals");
    QTest::addColumn<bool>("leadingBlanks");
    QTest::addColumn<int>("editable");
    QTest::addColumn<QString>("inputMask");

    QTest::newRow("cpf listing") << "999.999.999-99" << true << false << 11 << "000.000.000-00;_";
    QTest::newRow("cnpj") << "99.999.999/9999-99" << true << false << 14 << "00.000.000/0000-00;_";
    QTest::newRow("time digits") << "00:00;0;_" << false << false << 4 << "99:99;_";
    QTest::newRow("time with colon") << "00:00" << true << false << 4 << "99:99;_";
    QTest::newRow("time optional") << "99:99;0;_" << false << false << 4 << "00:00;_";
    QTest::newRow("cep") << "99999-999" << true << false << 8 << "00000-000;_";
    QTest::newRow("cep escaped dash") << "00000\\-9999;0;_" << false << false << 9 << "99999-0000;_";
    QTest::newRow("phone") << "!\\(99\\)0000-0000;0;_" << false << true << 10 << "(00)9999-9999;_";
    QTest::newRow("cnpj required") << "!00.000.000/0000-00;0;_" << false << true << 14
                                   << "99.999.999/9999-99;_";
    QTest::newRow("cpf required") << "000.000.000-00;0;_" << false << false << 11 << "999.999.999-99;_";
    QTest::newRow("state registration") << "99.999.999-9;0;_" << false << false << 9 << "00.000.000-0;_";
    QTest::newRow("saves literals flag 1") << "00:00;1;*" << true << false << 4 << "99:99;*";
    QTest::newRow("letters and escapes") << ">LL\\0a;0; " << false << false << 3 << ">AA\\0n; ";
}

void TestEditMask::parsing()
{
    QFETCH(QString, mask);
    QFETCH(bool, storesLiterals);
    QFETCH(bool, leadingBlanks);
    QFETCH(int, editable);
    QFETCH(QString, inputMask);

    const EditMask m(mask);
    QCOMPARE(m.storesLiterals(), storesLiterals);
    QCOMPARE(m.leadingBlanks(), leadingBlanks);
    QCOMPARE(m.editablePositions(), editable);
    QCOMPARE(m.inputMask(), inputMask);
}

void TestEditMask::display_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("cpf digits") << "999.999.999-99" << "12345678901" << "123.456.789-01";
    QTest::newRow("cnpj digits") << "99.999.999/9999-99;0;_" << "12345678000195" << "12.345.678/0001-95";
    QTest::newRow("cnpj already masked") << "99.999.999/9999-99" << "12.345.678/0001-95" << "12.345.678/0001-95";
    QTest::newRow("cnpj empty") << "99.999.999/9999-99;0;_" << "" << "__.___.___/____-__";
    QTest::newRow("time stored as digits") << "00:00;0;_" << "1230" << "12:30";
    QTest::newRow("time short") << "00:00;0;_" << "123" << "12:3_";
    QTest::newRow("cep short") << "99999-999" << "85010" << "85010-___";
    QTest::newRow("cep too long") << "99999-999" << "850100001" << "85010-000";
    QTest::newRow("cep letters refused") << "99999-999" << "8501x000" << "8501_-000";
    QTest::newRow("zip escaped dash") << "00000\\-9999;0;_" << "850101234" << "85010-1234";
    QTest::newRow("phone full") << "!\\(99\\)0000-0000;0;_" << "4433334444" << "(44)3333-4444";
    QTest::newRow("phone without area code") << "!\\(99\\)0000-0000;0;_" << "33334444" << "(__)3333-4444";
    QTest::newRow("state registration") << "99.999.999-9;0;_" << "123456789" << "12.345.678-9";
}

void TestEditMask::display()
{
    QFETCH(QString, mask);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QCOMPARE(EditMask(mask).display(value), shown);
}

void TestEditMask::storedText_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");

    QTest::newRow("time digits only") << "00:00;0;_" << "12:30" << "1230";
    QTest::newRow("time partly typed") << "00:00;0;_" << "12:3_" << "123";
    QTest::newRow("time with colon") << "00:00" << "12:30" << "12:30";
    QTest::newRow("time with colon empty") << "00:00" << "__:__" << "";
    QTest::newRow("time with colon partial") << "00:00" << "1_:3_" << "1 :3 ";
    QTest::newRow("cnpj") << "!00.000.000/0000-00;0;_" << "12.345.678/0001-95" << "12345678000195";
    QTest::newRow("cnpj empty") << "!00.000.000/0000-00;0;_" << "__.___.___/____-__" << "";
    QTest::newRow("phone without area code") << "!\\(99\\)0000-0000;0;_" << "(__)3333-4444" << "33334444";
    QTest::newRow("cpf") << "000.000.000-00;0;_" << "123.456.789-01" << "12345678901";
}

void TestEditMask::storedText()
{
    QFETCH(QString, mask);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    const EditMask m(mask);
    QCOMPARE(m.storedText(shown), stored);
    // What is stored shows again as it was typed.
    if (!stored.isEmpty())
        QCOMPARE(m.display(stored), shown);
}

// A line edit's text() keeps the literals and drops the empty positions;
// the pairing of a masked edit with its column still gets the digits.
void TestEditMask::lineEditTextStrips()
{
    const EditMask cep("99999-999");
    QCOMPARE(cep.stripLiterals("85010-"), QString("85010"));
    QCOMPARE(cep.stripLiterals("85010-000"), QString("85010000"));
    QCOMPARE(cep.stripLiterals("-"), QString());
    const EditMask phone("!\\(99\\)0000-0000;0;_");
    QCOMPARE(phone.stripLiterals("()3333-4444"), QString("33334444"));
    QCOMPARE(phone.stripLiterals("(44)3333-4444"), QString("4433334444"));
    const EditMask time("00:00;0;_");
    // Fewer than four characters: the entry window refuses such a time.
    QCOMPARE(time.storedText("12:3"), QString("123"));
}

void TestEditMask::completeness()
{
    const EditMask time("00:00;0;_");
    QVERIFY(time.isComplete("12:30"));
    QVERIFY(time.isComplete("1230"));
    QVERIFY(!time.isComplete("12:3_"));
    QVERIFY(!time.isComplete(""));
    // Optional digits only: anything goes.
    QVERIFY(EditMask("99999-999").isComplete(""));
    const EditMask cpf("000.000.000-00;0;_");
    QVERIFY(cpf.isComplete("123.456.789-01"));
    QVERIFY(!cpf.isComplete("123.456.789-0_"));
}

void TestEditMask::caseConversion()
{
    const EditMask plate(">LLL-0000;1;_");
    QCOMPARE(plate.display("abc1234"), QString("ABC-1234"));
    QCOMPARE(plate.storedText("abc-1234"), QString("ABC-1234"));
    QCOMPARE(plate.inputMask(), QString(">AAA-9999;_"));
    QCOMPARE(EditMask("<ll<>ll").display("ABCD"), QString("abCD"));
    QCOMPARE(EditMask("<ll<>ll").inputMask(), QString("<aa!aa;_"));
}

QTEST_GUILESS_MAIN(TestEditMask)
#include "tst_EditMask.moc"
