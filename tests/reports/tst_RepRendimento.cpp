#include "ReportTestKit.h"
#include "TestDatabase.h"

#include "data/Connection.h"
#include "reports/ReportDocument.h"
#include "reports/ReportRegistry.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The yield report against the coefficient, written by the command line
// tool as a user would, with its chart on the page.
class TestRepRendimento : public QObject
{
    Q_OBJECT

    static void produce(data::Connection *c, int plate, const QDate &day, int code, const QString &species,
                        const QString &product, double logs, double sawn)
    {
        reporttest::exec(c, QStringLiteral("insert into PRODUCAO (CODPRODUTO, DATA, CODIGOESSENCIA, ESSENCIA, PRODUTO, "
                                           "QTORA, QSERRADA) values (?, ?, ?, ?, ?, ?, ?)"),
                         {plate, QDateTime(day, QTime(9, 0)), code, species, product, logs, sawn});
    }

    static void fill(data::Connection *c)
    {
        reporttest::addCompany(c);
        const QDate d(2026, 11, 10);
        produce(c, 1, d, 7, QStringLiteral("IPE"), QStringLiteral("TABUA"), 6, 2);
        produce(c, 2, d, 7, QStringLiteral("IPE"), QStringLiteral("VIGA"), 4, 1.2);
        produce(c, 3, d, 3, QStringLiteral("CEDRO"), QStringLiteral("TABUA"), 10, 4);
        produce(c, 4, QDate(2026, 12, 1), 3, QStringLiteral("CEDRO"), QStringLiteral("TABUA"), 50, 1);
    }

    static QString run(const QStringList &args, int *code)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUELVORA_CLOCK"), reporttest::fixedClock().toString(Qt::ISODate));
        p.setProcessEnvironment(env);
        p.start(args.first(), args.mid(1));
        if (!p.waitForFinished(120000)) {
            *code = -1;
            return QStringLiteral("timed out");
        }
        *code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        return QString::fromUtf8(p.readAllStandardError() + p.readAllStandardOutput());
    }

private slots:
    void speciesFlaggedOnThePage()
    {
        TestDatabase tdb;
        data::Connection conn(QStringLiteral("rend"));
        conn.setDatabaseName(tdb.path());
        conn.open();
        fill(&conn);
        reporttest::FixedClock clock;
        reports::ReportDocument doc(reports::makeReport(QStringLiteral("RepRendimento"), conn,
                                                        {{QStringLiteral("INICIO"), QDate(2026, 11, 1)},
                                                         {QStringLiteral("FIM"), QDate(2026, 11, 30)}}),
                                    &conn);
        doc.layoutAll();
        QCOMPARE(doc.pageCount(), 1);
        const QString page = doc.pageLines(0).join(QLatin1Char('\n'));
        QVERIFY2(page.contains(QStringLiteral("Coeficiente......: 35,00 %")), qPrintable(page));
        // Products print their own yield; each species its flag and difference.
        QVERIFY2(page.contains(QStringLiteral("TABUA 6,0000 2,0000 33,33")), qPrintable(page));
        QVERIFY2(page.contains(QStringLiteral("ABAIXO 10,0000 3,2000 32,00 -0,3000")), qPrintable(page));
        QVERIFY2(page.contains(QStringLiteral("ACIMA 10,0000 4,0000 40,00 +0,5000")), qPrintable(page));
        QVERIFY2(page.contains(QStringLiteral("TOTAL ACIMA 20,0000 7,2000 36,00 +0,2000")), qPrintable(page));
        // Later production is not in the period.
        QVERIFY(!page.contains(QStringLiteral("50,0000")));
    }

    void toolWritesTheChartIntoThePdf()
    {
        TestDatabase tdb;
        {
            data::Connection conn(QStringLiteral("rend"));
            conn.setDatabaseName(tdb.path());
            conn.open();
            fill(&conn);
            // The company's own coefficient prints and moves the flags.
            reporttest::exec(&conn, QStringLiteral("insert into COEFICIENTE_RENDIMENTO (CODIGO, PERCENTUAL) values (1, 30)"));
            conn.close(); // one process at a time on an embedded database
        }
        QTemporaryDir dir;
        const QString pdf = QDir(dir.path()).filePath(QStringLiteral("rendimento.pdf"));
        int code = 0;
        const QString out = run({qEnvironmentVariable("QUELVORA_TEST_BUILD_DIR") + QStringLiteral("/src/quelvora-tool"),
                                 QStringLiteral("report"), QStringLiteral("RepRendimento"), QStringLiteral("--database"),
                                 tdb.path(), QStringLiteral("--param"), QStringLiteral("INICIO=01/11/2026"),
                                 QStringLiteral("--param"), QStringLiteral("FIM=30/11/2026"), QStringLiteral("--pdf"), pdf},
                                &code);
        QVERIFY2(code == 0, qPrintable(out));
        QString error;
        const QString text = reporttest::pdfText(pdf, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(text.contains(QStringLiteral("30,00 %")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("+0,2000")), qPrintable(text)); // IPE: 3,2 - 10 x 30 %
        // The chart's own texts: title, legend, one label per species.
        QVERIFY2(text.contains(QStringLiteral("Rendimento por Essência")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Coeficiente (%)")), qPrintable(text));

        // Its bars in the picture of the page, below the table.
        run({QStringLiteral("pdftoppm"), QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, QDir(dir.path()).filePath(QStringLiteral("page"))},
            &code);
        QCOMPARE(code, 0);
        const QImage image(QDir(dir.path()).filePath(QStringLiteral("page.png")));
        QVERIFY(!image.isNull());
        auto near = [](QRgb p, QColor c) {
            return qAbs(qRed(p) - c.red()) < 40 && qAbs(qGreen(p) - c.green()) < 40 && qAbs(qBlue(p) - c.blue()) < 40;
        };
        int yieldBars = 0, coefficientBars = 0, topHalf = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                const bool bar = near(p, QColor(40, 110, 180));
                yieldBars += bar;
                coefficientBars += near(p, QColor(230, 140, 30));
                if (bar && y < image.height() / 4)
                    ++topHalf;
            }
        QVERIFY2(yieldBars > 100, qPrintable(QString::number(yieldBars)));
        QVERIFY2(coefficientBars > 100, qPrintable(QString::number(coefficientBars)));
        QCOMPARE(topHalf, 0);
    }
};

QTEST_MAIN(TestRepRendimento)
#include "tst_RepRendimento.moc"
