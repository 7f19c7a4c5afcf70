#include "ReportTestKit.h"
#include "TestDatabase.h"
#include "ZipEntries.h"

#include "data/Connection.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"
#include "reports/UnitRepEstoque.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The headless report command and the parameters of the registry.
class TestReportCommand : public QObject
{
    Q_OBJECT

    struct Run
    {
        int code = -1;
        QString out, err;
    };

    static Run tool(const QStringList &args, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("QUELVORA_TEST_BUILD_DIR") + QStringLiteral("/src/quelvora-tool"),
                QStringList{QStringLiteral("report")} + args);
        Run r;
        if (!p.waitForFinished(120000))
            return r;
        r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    static void writeFile(const QString &path, const QByteArray &content)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void listNamesReportsAndParameters()
    {
        const Run r = tool({QStringLiteral("--list")});
        QCOMPARE(r.code, 0);
        for (const reports::ReportEntry &e : reports::reportCatalog()) {
            QVERIFY2(r.out.contains(e.name), qPrintable(r.out));
            for (const reports::ReportParameter &p : e.parameters)
                QVERIFY(r.out.contains(p.key));
        }
    }

    // The tool writes the same report the program does.
    void writesTheReport()
    {
        TestDatabase tdb;
        QString expected;
        {
            data::Connection conn(QStringLiteral("cmd"));
            conn.setDatabaseName(tdb.path());
            conn.open();
            reporttest::addCompany(&conn);
            reporttest::addLog(&conn, QStringLiteral("CEDRO ROSA"), 7, 1.5);
            reporttest::FixedClock clock;
            QString error;
            expected = reporttest::reportText(reports::RepEstoque(), &conn, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            conn.close(); // the embedded engine lets one process at a time open the file
        }
        QTemporaryDir dir;
        const QString pdf = QDir(dir.path()).filePath(QStringLiteral("estoque.pdf"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUELVORA_CLOCK"), reporttest::fixedClock().toString(Qt::ISODate));
        env.remove(QStringLiteral("QT_QPA_PLATFORM")); // it runs without a display of its own accord
        const Run r = tool({QStringLiteral("RepEstoque"), QStringLiteral("--database"), tdb.path(),
                            QStringLiteral("--pdf"), pdf},
                           env);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QString error;
        QCOMPARE(reporttest::pdfText(pdf, &error), expected);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("estoque.pdf")});
    }

    // The same report as a workbook and as CSV: one row per log, the species
    // of its group in the first column, titles as printed, numbers as numbers.
    void writesTheReportAsSpreadsheet()
    {
        TestDatabase tdb;
        {
            data::Connection conn(QStringLiteral("cmd"));
            conn.setDatabaseName(tdb.path());
            conn.open();
            reporttest::addCompany(&conn);
            reporttest::addLog(&conn, QStringLiteral("CEDRO ROSA"), 7, 1.5);
            reporttest::addLog(&conn, QStringLiteral("ITAÚBA"), 8, 2.25, false, 5.5);
            reporttest::addLog(&conn, QStringLiteral("ITAÚBA"), 9, 3, true); // sawn: not in the yard
            conn.close();
        }
        QTemporaryDir dir;
        const QString xlsx = QDir(dir.path()).filePath(QStringLiteral("estoque.xlsx"));
        const QString csv = QDir(dir.path()).filePath(QStringLiteral("estoque.csv"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        const Run r = tool({QStringLiteral("RepEstoque"), QStringLiteral("--database"), tdb.path(),
                            QStringLiteral("--xlsx"), xlsx, QStringLiteral("--csv"), csv},
                           env);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains(QStringLiteral("(2 linhas)")), qPrintable(r.out));
        QCOMPARE(readFile(csv), QByteArray("\xEF\xBB\xBF"
                                           "ESSENCIA;PLAQUETA;COMPRIMENTO;DIAMETRO(X);DIAMETRO(Y);QUANTIDADE(M/3)\r\n"
                                           "CEDRO ROSA;000007;4,00;0,50;0,60;1,5000\r\n"
                                           "ITAÚBA;000008;5,50;0,50;0,60;2,2500\r\n"));

        const QString sheet = QString::fromUtf8(zipEntries(xlsx).value(QStringLiteral("xl/worksheets/sheet1.xml")));
        QVERIFY2(sheet.contains(QStringLiteral("<t>ITAÚBA</t>")), qPrintable(sheet));
        QVERIFY(sheet.contains(QStringLiteral("<t>QUANTIDADE(M/3)</t>")));
        QVERIFY2(QRegularExpression(QStringLiteral("<c r=\"F3\" s=\"\\d+\"><v>2.25</v></c>")).match(sheet).hasMatch(),
                 qPrintable(sheet));
        QVERIFY(QRegularExpression(QStringLiteral("<c r=\"B2\" s=\"\\d+\"><v>7</v></c>")).match(sheet).hasMatch());
        QVERIFY(!sheet.contains(QStringLiteral("r=\"A4\"")));
    }

    void refusesWrongCommands_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString db = QStringLiteral("@DB@"), pdf = QStringLiteral("@PDF@");
        QTest::newRow("unknown report") << QStringList{QStringLiteral("RepNada"), QStringLiteral("--database"), db,
                                                       QStringLiteral("--pdf"), pdf}
                                        << 2 << QStringLiteral("Relatório desconhecido: RepNada");
        QTest::newRow("no database") << QStringList{QStringLiteral("RepEstoque"), QStringLiteral("--pdf"), pdf} << 2
                                     << QStringLiteral("--database");
        QTest::newRow("no output") << QStringList{QStringLiteral("RepEstoque"), QStringLiteral("--database"), db} << 2
                                   << QStringLiteral("--pdf");
        QTest::newRow("parameter it does not take")
            << QStringList{QStringLiteral("RepEstoque"), QStringLiteral("--database"), db, QStringLiteral("--param"),
                           QStringLiteral("NOTA=12"), QStringLiteral("--pdf"), pdf}
            << 2 << QStringLiteral("não tem o parâmetro NOTA");
        QTest::newRow("parameter without value")
            << QStringList{QStringLiteral("RepEstoque"), QStringLiteral("--database"), db, QStringLiteral("--param"),
                           QStringLiteral("--pdf"), pdf}
            << 2 << QStringLiteral("CHAVE=VALOR");
        QTest::newRow("missing database file")
            << QStringList{QStringLiteral("RepEstoque"), QStringLiteral("--database"), QStringLiteral("@DIR@/nada.fdb"),
                           QStringLiteral("--pdf"), pdf}
            << 1 << QStringLiteral("Banco de dados não encontrado");
        QTest::newRow("not a database")
            << QStringList{QStringLiteral("RepEstoque"), QStringLiteral("--database"), QStringLiteral("@DIR@/lixo.fdb"),
                           QStringLiteral("--pdf"), pdf}
            << 1 << QString();
        QTest::newRow("folder that does not exist")
            << QStringList{QStringLiteral("RepEstoque"), QStringLiteral("--database"), db, QStringLiteral("--pdf"),
                           QStringLiteral("@DIR@/nao/existe.pdf")}
            << 1 << QStringLiteral("Não foi possível gravar");
    }

    // Clear message, non-zero exit, and the output file as it was.
    void refusesWrongCommands()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        TestDatabase tdb;
        {
            data::Connection conn(QStringLiteral("cmd"));
            conn.setDatabaseName(tdb.path());
            conn.open();
            reporttest::addCompany(&conn);
            conn.close();
        }
        QTemporaryDir dir;
        const QString pdf = QDir(dir.path()).filePath(QStringLiteral("saida.pdf"));
        writeFile(pdf, "anterior");
        writeFile(QDir(dir.path()).filePath(QStringLiteral("lixo.fdb")), QByteArray(4096, 'x'));
        for (QString &a : args)
            a.replace(QStringLiteral("@DB@"), tdb.path())
                .replace(QStringLiteral("@PDF@"), pdf)
                .replace(QStringLiteral("@DIR@"), dir.path());
        const Run r = tool(args);
        QCOMPARE(r.code, code);
        QVERIFY2(!r.err.trimmed().isEmpty(), "no message");
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(readFile(pdf), QByteArray("anterior"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void parametersAreTyped()
    {
        reports::ReportEntry e;
        e.name = QStringLiteral("RepTeste");
        e.parameters = {{QStringLiteral("INICIO"), reports::ReportParameter::Type::Date, QString(), true},
                        {QStringLiteral("NOTA"), reports::ReportParameter::Type::Integer, QString(), true},
                        {QStringLiteral("OBS"), reports::ReportParameter::Type::Text, QString(), false}};
        const QVariantMap v = reports::parseParameters(
            e, {QStringLiteral("inicio=02/03/2005"), QStringLiteral("NOTA=0042"), QStringLiteral("OBS=a=b")});
        QCOMPARE(v.value(QStringLiteral("INICIO")).toDate(), QDate(2005, 3, 2));
        QCOMPARE(v.value(QStringLiteral("NOTA")).toLongLong(), 42);
        QCOMPARE(v.value(QStringLiteral("OBS")).toString(), QStringLiteral("a=b"));
        QCOMPARE(reports::parseParameters(e, {QStringLiteral("INICIO=2005-03-02"), QStringLiteral("NOTA=1")})
                     .value(QStringLiteral("INICIO"))
                     .toDate(),
                 QDate(2005, 3, 2));

        auto refused = [&](const QStringList &kv, const QString &part) {
            try {
                reports::parseParameters(e, kv);
            } catch (const reports::ReportError &err) {
                return err.message().contains(part);
            }
            return false;
        };
        QVERIFY(refused({QStringLiteral("INICIO=31/02/2005"), QStringLiteral("NOTA=1")}, QStringLiteral("31/02/2005")));
        QVERIFY(refused({QStringLiteral("INICIO=01/01/2005"), QStringLiteral("NOTA=1x")}, QStringLiteral("inteiro")));
        QVERIFY(refused({QStringLiteral("INICIO=01/01/2005")}, QStringLiteral("Parâmetro NOTA do relatório RepTeste deve ser informado!")));
        QVERIFY(refused({QStringLiteral("INICIO=01/01/2005"), QStringLiteral("NOTA=1"), QStringLiteral("NOTA=2")},
                        QStringLiteral("mais de uma vez")));
        QVERIFY(refused({QStringLiteral("FIM=01/01/2005")}, QStringLiteral("não tem o parâmetro FIM")));
    }
};

QTEST_MAIN(TestReportCommand)
#include "tst_ReportCommand.moc"
