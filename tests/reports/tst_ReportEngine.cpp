#include "ReportTestKit.h"
#include "TestDatabase.h"

#include "data/Connection.h"
#include "reports/ReportDocument.h"
#include "reports/ReportError.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QtTest>

using namespace reports;

// The engine itself: values through masks, nested groups with their sums,
// and pages read again from the database exactly where they started.
class TestReportEngine : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TestDatabase tdb;
        data::Connection conn{QStringLiteral("engine")};
        reporttest::FixedClock clock;
        Fixture()
        {
            conn.setDatabaseName(tdb.path());
            conn.open();
            reporttest::addCompany(&conn);
        }
    };

    // Every log line: species, then length, one line per log with its plate.
    static ReportDefinition logsByLength()
    {
        ReportDefinition def;
        def.name = QStringLiteral("RepTeste");
        def.paper = Paper::A4;
        def.data.table = QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO");
        def.data.condition = QStringLiteral("SITUACAO = :s");
        def.data.params = {{QStringLiteral("s"), 0}};
        def.data.order = {QStringLiteral("ESSENCIA"), QStringLiteral("COMPRIMENTO")};
        def.data.key = QStringLiteral("CODDISCRIMINACAO");
        def.pageHeader = standardPageHeader(def, QStringLiteral("TESTE"));
        Group species;
        species.key = leftOf(QStringLiteral("ESSENCIA"), 30);
        species.header.height = 5;
        species.header.add(computed(0, 0, 80, 5, [](const ReportContext &c) {
            return QStringLiteral("ESP ") + c.text(QStringLiteral("ESSENCIA"));
        }));
        species.footer.height = 5;
        species.footer.add(computed(0, 0, 80, 5, [](const ReportContext &c) {
            return QStringLiteral("FIM ESP ") + c.text(QStringLiteral("ESSENCIA"));
        }));
        species.footer.add(sumField(100, 0, 40, 5, QStringLiteral("ESP"), QStringLiteral("0.0000")));
        Group length;
        length.key = [](const ReportContext &c) { return c.value(QStringLiteral("COMPRIMENTO")); };
        length.header.height = 5;
        length.header.add(computed(10, 0, 80, 5, [](const ReportContext &c) {
            return QStringLiteral("COMP ") + c.text(QStringLiteral("COMPRIMENTO"), QStringLiteral("0.00"));
        }));
        length.footer.height = 5;
        length.footer.add(sumField(100, 0, 40, 5, QStringLiteral("COMP"), QStringLiteral("0.0000")));
        def.groups = {species, length};
        def.detail.height = 5;
        def.detail.add(field(20, 0, 30, 5, QStringLiteral("CODIGOPRODUTO"), QStringLiteral("000000")));
        def.detail.add(field(100, 0, 40, 5, QStringLiteral("QUANTIDADE"), QStringLiteral("0.0000"), Qt::AlignRight));
        def.sums = {{QStringLiteral("ESP"), QStringLiteral("QUANTIDADE"), 0},
                    {QStringLiteral("COMP"), QStringLiteral("QUANTIDADE"), 1},
                    {QStringLiteral("TOTAL"), QStringLiteral("QUANTIDADE"), -1}};
        def.summary.height = 5;
        def.summary.add(sumField(100, 0, 40, 5, QStringLiteral("TOTAL"), QStringLiteral("0.0000")));
        def.pageFooter = standardPageFooter(def);
        return def;
    }

private slots:
    void formatsValues_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("text");
        QTest::newRow("plate") << QVariant(42.0) << QStringLiteral("000000") << QStringLiteral("000042");
        QTest::newRow("volume") << QVariant(1.23456) << QStringLiteral("0.0000") << QStringLiteral("1,2346");
        QTest::newRow("subtotal") << QVariant(12345.5) << QStringLiteral("#,####0.0000")
                                  << QStringLiteral("12.345,5000");
        QTest::newRow("no mask") << QVariant(2.5) << QString() << QStringLiteral("2,5");
        QTest::newRow("cpf text") << QVariant(QStringLiteral("12345678909")) << QStringLiteral("999.999.999-99")
                                  << QStringLiteral("123.456.789-09");
        QTest::newRow("date") << QVariant(QDateTime(QDate(2005, 3, 2), QTime(0, 0))) << QString()
                              << QStringLiteral("02/03/2005");
        QTest::newRow("null") << QVariant(QMetaType(QMetaType::Double)) << QStringLiteral("0.00") << QString();
        QTest::newRow("number as text") << QVariant(QStringLiteral("7")) << QStringLiteral("000")
                                        << QStringLiteral("007");
    }
    void formatsValues()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, mask);
        QFETCH(QString, text);
        QCOMPARE(formatValue(value, mask), text);
    }

    // Rows with no species (NULL sorts first), equal order values on both
    // sides of page ends, two group levels: the lines of all pages, painted
    // in any order, are the database's rows in order, each once.
    void pagesReadAgainWhereTheyStarted()
    {
        Fixture f;
        int plate = 1;
        for (const QString &s : {QString(), QStringLiteral("ANGICO"), QStringLiteral("ITAUBA")})
            for (int i = 0; i < 45; ++i, ++plate)
                reporttest::addLog(&f.conn, s, plate, 0.01 * plate, plate % 10 == 0, 2 + (i / 20));

        ReportDocument doc(logsByLength(), &f.conn);
        doc.layoutAll();
        QVERIFY(doc.pageCount() >= 3);
        QStringList plates;
        for (int p = doc.pageCount() - 1; p >= 0; --p) {
            QStringList onPage;
            for (const QString &line : doc.pageLines(p))
                if (QRegularExpression(QStringLiteral("^\\d{6} ")).match(line).hasMatch())
                    onPage << line.left(6);
            plates = onPage + plates;
        }
        QStringList expected;
        QSqlQuery q(f.conn.database());
        QVERIFY(q.exec(QStringLiteral("SELECT CODIGOPRODUTO FROM ENTRADA_TOROS_DISCRIMINACAO WHERE SITUACAO = 0 "
                                      "ORDER BY ESSENCIA, COMPRIMENTO, CODDISCRIMINACAO")));
        while (q.next())
            expected << formatValue(q.value(0), QStringLiteral("000000"));
        QCOMPARE(plates, expected);

        // Sums restart with their group; the total runs on.
        QStringList all;
        for (int p = 0; p < doc.pageCount(); ++p)
            all += doc.pageLines(p);
        QVERIFY(q.exec(QStringLiteral("SELECT SUM(QUANTIDADE) FROM ENTRADA_TOROS_DISCRIMINACAO WHERE SITUACAO = 0 "
                                      "AND ESSENCIA = 'ANGICO'")));
        QVERIFY(q.next());
        QVERIFY(all.contains(QStringLiteral("FIM ESP ANGICO ") + formatValue(q.value(0), QStringLiteral("0.0000"))));
        QVERIFY(q.exec(QStringLiteral("SELECT SUM(QUANTIDADE) FROM ENTRADA_TOROS_DISCRIMINACAO WHERE SITUACAO = 0 "
                                      "AND ESSENCIA = 'ITAUBA' AND COMPRIMENTO = 3")));
        QVERIFY(q.next());
        QVERIFY(all.contains(formatValue(q.value(0), QStringLiteral("0.0000"))));
        QVERIFY(q.exec(QStringLiteral("SELECT SUM(QUANTIDADE) FROM ENTRADA_TOROS_DISCRIMINACAO WHERE SITUACAO = 0")));
        QVERIFY(q.next());
        QCOMPARE(all[all.size() - 2], formatValue(q.value(0), QStringLiteral("0.0000")));
        QCOMPARE(all.count(QStringLiteral("ESP ")), 1); // the species with no name: one group
    }

    // A band that names a column the report does not read is a mistake of
    // the report, said as such, not a blank.
    void unknownColumnIsAnError()
    {
        Fixture f;
        reporttest::addLog(&f.conn, QStringLiteral("ANGICO"), 1, 1.0);
        ReportDefinition def = logsByLength();
        def.data.columns = {QStringLiteral("CODIGOPRODUTO"), QStringLiteral("QUANTIDADE")};
        def.detail.add(field(150, 0, 30, 5, QStringLiteral("DIAMETRO")));
        ReportDocument doc(def, &f.conn);
        doc.layoutAll();
        QVERIFY_THROWS_EXCEPTION(ReportError, doc.pageLines(0));
    }
};

QTEST_MAIN(TestReportEngine)
#include "tst_ReportEngine.moc"
