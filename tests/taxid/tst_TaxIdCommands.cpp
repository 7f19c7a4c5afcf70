#include "taxid/TaxIdCommands.h"

#include <QtTest>

class TestTaxIdCommands : public QObject
{
    Q_OBJECT

private slots:
    void singleChecks_data();
    void singleChecks();
    void batch();
    void notOurs();
};

struct Run
{
    int code;
    QString out;
    QString err;
};

static Run run(const QStringList &args, QString input = {})
{
    Run r;
    QTextStream in(&input, QIODevice::ReadOnly);
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
    const QString input = QStringLiteral(
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
        "IE\tAL\t240000048");             // last line without its end
    const Run r = run({ "check-batch" }, input);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QString("1\n0\n1\n1\n1\n1\n0\n0\n0\n0\n0\n0\n0\n1\n1\n"));
    QVERIFY(r.err.isEmpty());

    QCOMPARE(run({ "check-batch" }).out, QString());
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
