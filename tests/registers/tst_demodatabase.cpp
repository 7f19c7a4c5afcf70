#include "RegisterTestKit.h"
#include "TestDatabase.h"

#include "data/DataError.h"
#include "data/DemoDatabase.h"
#include "rules/SawnBalance.h"
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

    // Movements a new user can look at: logs in the yard and sawn, sawn wood
    // bought and sold, a packing list; what was sold came in or was sawn.
    void demoHoldsMovementsThatAgree()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("demo.fdb"));
        data::DemoDatabase::create(path);
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(path);
        dm.IBDatabase1->open();
        auto count = [&](const char *sql) { return kit::scalar(dm, sql).toInt(); };
        QVERIFY(count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO where SITUACAO = 0") >= 3);
        // Each production row's log is marked sawn; no sawn log without one.
        QVERIFY(count("select count(*) from PRODUCAO") >= 3);
        QCOMPARE(count("select count(*) from PRODUCAO p join ENTRADA_TOROS_DISCRIMINACAO l "
                       "on l.CODIGOPRODUTO = p.CODPRODUTO where l.SITUACAO = 1"),
                 count("select count(*) from PRODUCAO"));
        QCOMPARE(count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO l where SITUACAO = 1 and not exists "
                       "(select 1 from PRODUCAO p where p.CODPRODUTO = l.CODIGOPRODUTO)"), 0);
        // Every header keeps its number, and every line belongs to a header
        // by number and party.
        QVERIFY(count("select count(*) from ENTRADA_SERRADA") >= 2);
        QCOMPARE(count("select count(*) from ENTRADA_SERRADA where NF_NUMERO is null or NF_NUMERO = 0"), 0);
        for (const char *pair : {"ENTRADA_TOROS", "ENTRADA_SERRADA", "SAIDA_MADEIRAS"}) {
            const QString h = QString::fromLatin1(pair);
            const QString l = h == QLatin1String("ENTRADA_TOROS") ? QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO")
                              : h == QLatin1String("ENTRADA_SERRADA") ? QStringLiteral("ENTRADA_SERRADA_DISCRIMINACAO")
                                                                       : QStringLiteral("SAIDA_MADEIRAS_DISCRIMINACAO");
            QCOMPARE(kit::scalar(dm, QStringLiteral("select count(*) from %1 l where not exists (select 1 from %2 h "
                                                    "where h.NF_NUMERO = l.NFNUMERO and h.CODIGOFORNECEDOR = "
                                                    "l.CODIGOFORNECEDOR)").arg(l, h)),
                     QStringLiteral("0"));
        }
        QVERIFY(count("select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO") >= 3);
        QCOMPARE(count("select count(*) from ROMANEIO_SERRADA r where not exists (select 1 from CREDOR c "
                       "where c.CODIGOCREDOR = r.CODEMPRESA)"), 0);
        QVERIFY(count("select count(*) from ROMANEIO_SERRADA") >= 1);

        // No species and product of a line is sold beyond its balance, and
        // production counts for the products sawn.
        QSqlQuery q(dm.IBDatabase1->database());
        QVERIFY(q.exec("select distinct CODIGOESSENCIA, CODIGOPRODUTO from ENTRADA_SERRADA_DISCRIMINACAO union "
                       "select distinct CODIGOESSENCIA, CODIGOPRODUTO from SAIDA_MADEIRAS_DISCRIMINACAO"));
        int pairs = 0;
        while (q.next()) {
            ++pairs;
            const rules::SawnBalance b = rules::SawnBalance::of(dm.IBDatabase1, q.value(0), q.value(1));
            QVERIFY2(b.balance >= 0, qPrintable(q.value(0).toString() + "/" + q.value(1).toString()));
        }
        QVERIFY(pairs >= 5);
        QVERIFY(rules::SawnBalance::overall(dm.IBDatabase1).production > 0);
        QVERIFY(rules::SawnBalance::ofProduct(dm.IBDatabase1,
                                              kit::scalar(dm, "select GRAUIND from SUBPRODUTO where NOMEGRAU = 'VIGA'"))
                    .production > 0);
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
