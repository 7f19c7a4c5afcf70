#include "core/EditMask.h"
#include "core/TaxIdText.h"

#include <QTest>

// The tax number of an invoice is kept as a number: the CNPJ of a company
// or the CPF of a person, told apart by their length.
class TestTaxIdText : public QObject
{
    Q_OBJECT

private slots:
    void printed_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cnpj") << QVariant(11222333000181.0) << "11.222.333/0001-81";
        QTest::newRow("cnpj lost its leading zero") << QVariant(4252011000110.0) << "04.252.011/0001-10";
        QTest::newRow("cpf") << QVariant(11144477735.0) << "111.444.777-35";
        QTest::newRow("cpf lost its leading zeros") << QVariant(1234567890.0) << "012.345.678-90";
        QTest::newRow("cnpj as text digits") << QVariant(QStringLiteral("11222333000181")) << "11.222.333/0001-81";
        QTest::newRow("alphanumeric cnpj") << QVariant(QStringLiteral("12ABC34501DE35")) << "12.ABC.345/01DE-35";
        QTest::newRow("alphanumeric cnpj, masked") << QVariant(QStringLiteral("12.abc.345/01de-35")) << "12.ABC.345/01DE-35";
        QTest::newRow("not informed") << QVariant(0.0) << "";
        QTest::newRow("null") << QVariant(QMetaType(QMetaType::Double)) << "";
    }
    void printed()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        QCOMPARE(core::taxIdText(value), expected);
    }

    // What the CPF mask alone made of a CNPJ: its last digits were lost.
    void cpfMaskGarblesCnpj()
    {
        const core::EditMask cpf(QStringLiteral("999.999.999-99"));
        QVERIFY(cpf.display(QStringLiteral("11222333000181")) != core::taxIdText(11222333000181.0));
        QVERIFY(!cpf.display(QStringLiteral("11222333000181")).contains(QStringLiteral("81")));
    }

    void bareDigits()
    {
        QCOMPARE(core::taxIdDigits(11222333000181.0), QStringLiteral("11222333000181"));
        QCOMPARE(core::taxIdDigits(QVariant()), QString());
        QCOMPARE(core::taxIdDigits(QStringLiteral("12.ABC.345/01DE-35")), QStringLiteral("12ABC34501DE35"));
        // A number column takes a CNPJ of digits as it is, and nothing of one with letters.
        QCOMPARE(core::taxIdNumber(QStringLiteral("11222333000181")), QVariant(QStringLiteral("11222333000181")));
        QVERIFY(core::taxIdNumber(QStringLiteral("12ABC34501DE35")).isNull());
    }

    // The CNPJ edit takes letters in the root and branch, turned upper case,
    // and only digits in the two check places.
    void cnpjMaskTakesLetters()
    {
        const core::EditMask mask(core::cnpjMask());
        QCOMPARE(mask.display(QStringLiteral("12abc34501de35")), QStringLiteral("12.ABC.345/01DE-35"));
        QCOMPARE(mask.stripLiterals(QStringLiteral("12.ABC.345/01DE-35")), QStringLiteral("12ABC34501DE35"));
        QCOMPARE(mask.display(QStringLiteral("11222333000181")), QStringLiteral("11.222.333/0001-81"));
        QCOMPARE(mask.display(QStringLiteral("12ABC34501DEXY")), QStringLiteral("12.ABC.345/01DE-__"));
        QVERIFY(mask.inputMask().startsWith(u'>'));
    }
};

QTEST_APPLESS_MAIN(TestTaxIdText)
#include "tst_TaxIdText.moc"
