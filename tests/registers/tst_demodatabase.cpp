#include "RegisterTestKit.h"
#include "TestDatabase.h"

#include "data/DataError.h"
#include "data/DemoDatabase.h"
#include "taxid/TaxId.h"

#include <QCoreApplication>
#include <QTemporaryDir>

class TestDemoDatabase : public QObject
{
    Q_OBJECT

private slots:
    void checkDigitsAgreeWithTheChecks()
    {
        // Worked by hand: 111.444.777-35 and 11.222.333/0001-81.
        QCOMPARE(data::DemoDatabase::cpfWithDigits("111444777"), QStringLiteral("11144477735"));
        QCOMPARE(data::DemoDatabase::cnpjWithDigits("112223330001"), QStringLiteral("11222333000181"));
        for (int i = 0; i < 200; ++i) {
            const QString nine = QStringLiteral("%1").arg(100000000 + i * 4567891 % 899999999, 9, 10, QLatin1Char('0'));
            QVERIFY(taxid::isValidCpf(data::DemoDatabase::cpfWithDigits(nine)));
            QVERIFY(taxid::isValidCnpj(data::DemoDatabase::cnpjWithDigits(nine + "000")));
            QVERIFY(taxid::isValidIe(u"MT", data::DemoDatabase::mtIeWithDigit(QStringLiteral("1") + nine)));
        }
    }

    void demoHoldsAPlausibleCompanyWithValidNumbers()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("demo.fdb"));
        data::DemoDatabase::create(path);
        QVERIFY_EXCEPTION_THROWN(data::DemoDatabase::create(path), data::DataError); // never over an existing file
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(path);
        dm.IBDatabase1->open();
        QCOMPARE(kit::scalar(dm, "select count(*) from MANUTENCAO"), QStringLiteral("1"));
        QCOMPARE(kit::scalar(dm, "select count(*) from ESSENCIA where ETOROS = 0 and EINICIAL = 0"),
                 QStringLiteral("12"));
        QVERIFY(kit::scalar(dm, "select count(*) from MUNICIPIO where SIG_UF = 'MT'").toInt() >= 15);
        QCOMPARE(kit::scalar(dm, "select count(*) from PRODUTO where FATOR > 0"),
                 kit::scalar(dm, "select count(*) from PRODUTO"));
        QVERIFY(kit::scalar(dm, "select count(*) from SUBPRODUTO").toInt() >= 5);
        QCOMPARE(kit::scalar(dm, "select NOM_MUNIC from MUNICIPIO where COD_MUNIC = '5103403'"),
                 QStringLiteral("CUIABÁ"));
        // Every city of a supplier or client is a municipality of the register.
        QCOMPARE(kit::scalar(dm, "select count(*) from FORNECEDOR f where not exists "
                                 "(select 1 from MUNICIPIO m where m.NOM_MUNIC = f.CIDADE)"),
                 QStringLiteral("0"));
        QCOMPARE(kit::scalar(dm, "select count(*) from CREDOR c where not exists "
                                 "(select 1 from MUNICIPIO m where m.NOM_MUNIC = c.CIDADE)"),
                 QStringLiteral("0"));

        QSqlQuery q(dm.IBDatabase1->database());
        int people = 0, companies = 0;
        for (const char *table : {"FORNECEDOR", "CREDOR"}) {
            const QString ie = QLatin1String(table) == QLatin1String("CREDOR") ? "IE" : "INSCESTADUAL";
            QVERIFY(q.exec(QStringLiteral("select TIPOCLIENTE, CNPJ, CPF, %1 from %2").arg(ie, table)));
            while (q.next()) {
                const bool company = q.value(0).toString().contains(QStringLiteral("JURÍDICA"));
                (company ? companies : people)++;
                if (company)
                    QVERIFY2(taxid::isValidCnpj(q.value(1).toString()), qPrintable(q.value(1).toString()));
                else
                    QVERIFY2(taxid::isValidCpf(q.value(2).toString()), qPrintable(q.value(2).toString()));
                if (company || QLatin1String(table) == QLatin1String("FORNECEDOR"))
                    QVERIFY2(taxid::isValidIe(u"MT", q.value(3).toString()), qPrintable(q.value(3).toString()));
            }
        }
        QVERIFY(people >= 4);
        QVERIFY(companies >= 8);
        QVERIFY(q.exec("select CNPJ, INSCESTADUAL, CPFRESPONSAVEL from MANUTENCAO") && q.next());
        QVERIFY(taxid::isValidCnpj(q.value(0).toString()));
        QVERIFY(taxid::isValidIe(u"MT", q.value(1).toString()));
        QVERIFY(taxid::isValidCpf(q.value(2).toString()));
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QCoreApplication app(argc, argv);
    TestDemoDatabase t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_demodatabase.moc"
