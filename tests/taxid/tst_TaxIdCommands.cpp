#include "taxid/TaxIdCommands.h"

#include <QBuffer>
#include <QtTest>

class TestTaxIdCommands : public QObject
{
    Q_OBJECT

private slots:
    void singleChecks_data();
    void singleChecks();
    void batch();
    void batchKeepsOneVerdictPerLine_data();
    void batchKeepsOneVerdictPerLine();
    void notOurs();
};

struct Run
{
    int code;
    QString out;
    QString err;
};

static Run run(const QStringList &args, QByteArray input = {})
{
    Run r;
    QBuffer in(&input);
    in.open(QIODevice::ReadOnly);
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = taxid::runCommand(args, in, out, err);
    out.flush();
    err.flush();
    return r;
}

void TestTaxIdCommands::singleChecks_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");

    QTest::newRow("cpf valid") << QStringList{ "check-cpf", "111.444.777-35" } << 0 << "valid\n";
    QTest::newRow("cpf invalid") << QStringList{ "check-cpf", "111.444.777-36" } << 1 << "invalid\n";
    QTest::newRow("cnpj valid") << QStringList{ "check-cnpj", "11222333000181" } << 0 << "valid\n";
    QTest::newRow("cnpj invalid") << QStringList{ "check-cnpj", "00000000000000" } << 1 << "invalid\n";
    QTest::newRow("cnpj alphanumeric") << QStringList{ "check-cnpj", "12.ABC.345/01DE-35" } << 0 << "valid\n";
    QTest::newRow("cnpj letter check digit") << QStringList{ "check-cnpj", "12ABC34501DE3E" } << 1 << "invalid\n";
    QTest::newRow("ie valid") << QStringList{ "check-ie", "sp", "P-01100424.3/002" } << 0 << "valid\n";
    QTest::newRow("ie invalid") << QStringList{ "check-ie", "MT", "P-01100424.3/002" } << 1 << "invalid\n";
    QTest::newRow("empty value") << QStringList{ "check-cpf", "" } << 0 << "valid\n";

    QTest::newRow("cpf without value") << QStringList{ "check-cpf" } << 2 << "";
    QTest::newRow("cnpj with two values") << QStringList{ "check-cnpj", "1", "2" } << 2 << "";
    QTest::newRow("ie without state") << QStringList{ "check-ie", "0013000001-9" } << 2 << "";
    QTest::newRow("batch with argument") << QStringList{ "check-batch", "file" } << 2 << "";
}

void TestTaxIdCommands::singleChecks()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, out);

    const Run r = run(args);
    QCOMPARE(r.code, code);
    QCOMPARE(r.out, out);
    QCOMPARE(r.err.isEmpty(), code != 2);
}

void TestTaxIdCommands::batch()
{
    const QByteArray input(
        "CPF\t\t111.444.777-35\n"
        "CPF\t\t111.444.777-36\n"
        "CNPJ\t\t11.222.333/0001-81\n"
        "IE\tMT\t0013000001-9\n"
        "IE\tmt\t0013000001-9\r\n"        // state in lower case, Windows line end
        "IE\tSP\tP-01100424.3/002\n"
        "IE\t\t0013000001-9\n"            // no state
        "CPF\tSP\t111.444.777-35\n"       // a state on a CPF line
        "CPF\t111.444.777-35\n"           // a field missing
        "CPF\t\t111.444.777-35\textra\n"  // a field too many
        "RG\t\t123456789\n"               // unknown kind
        "cpf\t\t111.444.777-35\n"         // kinds are upper case
        "\n"
        "CNPJ\t\t\n"                      // an empty value passes
        "CNPJ\t\t12.ABC.345/01DE-35\n"     // letters in the root
        "CNPJ\t\t12.ABC.345/01DE-53\n"     // its check digits swapped
        "CNPJ\t\t12abc34501de35\n"         // lower case
        "IE\tAL\t240000048");             // last line without its end
    const Run r = run({ "check-batch" }, input);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QString("1\n0\n1\n1\n1\n1\n0\n0\n0\n0\n0\n0\n0\n1\n1\n0\n0\n1\n"));
    QVERIFY(r.err.isEmpty());

    QCOMPARE(run({ "check-batch" }).out, QString());
}

// The batch read from bytes, as the tool reads its standard input.
static QByteArray runBatch(const QByteArray &input)
{
    const Run r = run({ "check-batch" }, input);
    return r.code == 0 && r.err.isEmpty() ? r.out.toUtf8() : QByteArray("failed");
}

void TestTaxIdCommands::batchKeepsOneVerdictPerLine_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray good = "CPF\t\t111.444.777-35\n";
    const QByteArray bad = "CPF\t\t111.444.777-36\n";

    // Lines of every length around the reading block, so line ends and
    // multi-byte characters fall on both sides of its edges.
    QByteArray lines, verdicts;
    for (int i = 0; i < 3000; ++i) {
        const QByteArray pad(i % 37, 'x');
        lines += (i % 3 ? good : "IE\tMT\t0013000001-8" + pad + "\n");
        verdicts += (i % 3 ? "1\n" : "0\n");
        if (i % 11 == 0) {
            lines += "RG\t\t\xc3\xa7\xc3\xa3o " + pad + "\n";
            verdicts += "0\n";
        }
    }
    QTest::newRow("many lines over block edges") << lines << verdicts;

    // A lone lead byte of a two-byte character as the last byte of the
    // first 16 KiB, its line end the first byte of the next.
    const QByteArray lone = "RG\t\t" + QByteArray(16 * 1024 - 5, 'x') + "\xc3\n" + good + bad;
    QTest::newRow("lone lead byte at block end") << lone << QByteArray("0\n1\n0\n");
    QTest::newRow("lone lead byte on a line") << QByteArray("\xe2\x82\n" + good + "\xff\n" + good)
                                              << QByteArray("0\n1\n0\n1\n");

    // Byte-order marks are not taken as a hint of another encoding.
    QTest::newRow("FF FE first") << QByteArray("\xff\xfe" + good + good + bad) << QByteArray("0\n1\n0\n");
    QTest::newRow("FE FF first") << QByteArray("\xfe\xff" + good + good + bad) << QByteArray("0\n1\n0\n");
    QTest::newRow("UTF-8 BOM first") << QByteArray("\xef\xbb\xbf" + good + bad) << QByteArray("1\n0\n");
    QTest::newRow("NUL bytes") << QByteArray("CPF\t\t111.444\0.777-35\n", 21) + good
                               << QByteArray("0\n1\n");
    QTest::newRow("last line without end") << QByteArray(good + good.chopped(1)) << QByteArray("1\n1\n");
    QTest::newRow("empty lines") << QByteArray("\n\r\n\n") << QByteArray("0\n0\n0\n");
}

void TestTaxIdCommands::batchKeepsOneVerdictPerLine()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(runBatch(input), expected);
}

void TestTaxIdCommands::notOurs()
{
    for (const QStringList &args : { QStringList{}, QStringList{ "backup", "x" },
                                     QStringList{ "CHECK-CPF", "111.444.777-35" } }) {
        const Run r = run(args);
        QCOMPARE(r.code, taxid::NotATaxIdCommand);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.isEmpty());
    }
}

QTEST_APPLESS_MAIN(TestTaxIdCommands)
#include "tst_TaxIdCommands.moc"
