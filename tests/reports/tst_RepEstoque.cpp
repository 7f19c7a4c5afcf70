#include "ReportTestKit.h"
#include "TestDatabase.h"

#include "core/Formats.h"
#include "data/Connection.h"
#include "reports/ReportDocument.h"
#include "reports/UnitRepEstoque.h"

#include <QSqlQuery>
#include <QtTest>

using reports::BandType;
using reports::ReportDocument;

class TestRepEstoque : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TestDatabase tdb;
        data::Connection conn{QStringLiteral("repestoque")};
        reporttest::FixedClock clock;
        Fixture()
        {
            conn.setDatabaseName(tdb.path());
            conn.open();
            reporttest::addCompany(&conn);
        }
    };

    static QStringList allLines(ReportDocument &doc)
    {
        QStringList lines;
        for (int i = 0; i < doc.pageCount(); ++i)
            lines += doc.pageLines(i);
        return lines;
    }

private slots:
    // Three logs in the yard and a sawn one of the same species: the list
    // shows the three, with subtotal and total 3,7345.
    void workedExample()
    {
        Fixture f;
        reporttest::addLog(&f.conn, QStringLiteral("CEDRO ROSA"), 101, 1.2345, false, 4.5, 0.55, 0.6);
        reporttest::addLog(&f.conn, QStringLiteral("CEDRO ROSA"), 102, 0.5, false, 3.2, 0.4, 0.45);
        reporttest::addLog(&f.conn, QStringLiteral("CEDRO ROSA"), 103, 2.0, false, 6, 0.6, 0.7);
        reporttest::addLog(&f.conn, QStringLiteral("CEDRO ROSA"), 104, 3.0, true);

        ReportDocument doc(reports::RepEstoque(), &f.conn);
        doc.layoutAll();
        QCOMPARE(doc.pageCount(), 1);
        const QStringList lines = doc.pageLines(0);
        QVERIFY(lines.contains(QStringLiteral("CEDRO ROSA")));
        QVERIFY(lines.contains(QStringLiteral("000101 4,50 0,55 0,60 1,2345")));
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("000104")));
        QCOMPARE(lines.count(QStringLiteral("3,7345")), 1); // the group footer
        QVERIFY(lines.contains(QStringLiteral("TOTAL 3,7345")));

        QString error;
        const QString text = reporttest::reportText(reports::RepEstoque(), &f.conn, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QUELVORA_COMPARE_GOLDEN(text, QStringLiteral("RepEstoque_exemplo.txt"));
    }

    // Names equal in their first 20 characters make one group; a species
    // with every log sawn does not appear.
    void groupsOnFirstTwentyCharacters()
    {
        Fixture f;
        reporttest::addLog(&f.conn, QStringLiteral("ANGELIM PEDRA AMARELO CLARO"), 1, 1.0);
        reporttest::addLog(&f.conn, QStringLiteral("ANGELIM PEDRA AMARELO ESCURO"), 2, 0.25);
        reporttest::addLog(&f.conn, QStringLiteral("ANGELIM PEDRA VERMELHO"), 3, 0.5);
        reporttest::addLog(&f.conn, QStringLiteral("IPE"), 4, 5.0, true);

        ReportDocument doc(reports::RepEstoque(), &f.conn);
        doc.layoutAll();
        const QStringList lines = allLines(doc);
        QCOMPARE(lines.count(QStringLiteral("ANGELIM PEDRA AMAREL")), 1);
        QCOMPARE(lines.count(QStringLiteral("ANGELIM PEDRA VERMEL")), 1);
        QVERIFY(lines.contains(QStringLiteral("1,2500")));
        QVERIFY(lines.contains(QStringLiteral("0,5000")));
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("IPE")));
        QVERIFY(lines.contains(QStringLiteral("TOTAL 1,7500")));
        int footers = 0;
        for (const reports::PlacedBand &b : doc.pageBands(0))
            footers += b.type == BandType::GroupFooter;
        QCOMPARE(footers, 2);
    }

    // Printed even when empty: headers and a total of zero.
    void emptyYard()
    {
        Fixture f;
        reporttest::addLog(&f.conn, QStringLiteral("IPE"), 4, 5.0, true);
        ReportDocument doc(reports::RepEstoque(), &f.conn);
        doc.layoutAll();
        QCOMPARE(doc.pageCount(), 1);
        const QStringList lines = doc.pageLines(0);
        QCOMPARE(lines.first(), QStringLiteral("MADEIREIRA MODELO LTDA PAGINA 1"));
        QVERIFY(lines.contains(QStringLiteral("INS. ESTADUAL.: 131234567 CNPJ (MF).: 11222333000181")));
        QVERIFY(lines.contains(QStringLiteral("ESTOQUE DO PÁTIO/TORA")));
        QVERIFY(lines.contains(QStringLiteral("TOTAL 0,0000")));
        QCOMPARE(lines.last(), QStringLiteral("09/12/2026 ") + reports::kMakerLine + QStringLiteral(" 14:30:00"));
    }

    // Groups crossing pages: the header stays with the group's first line,
    // the footer follows its last line, pages are numbered 1..N, and any
    // page painted again, in any order, shows what it showed the first time.
    void pageBreaks()
    {
        Fixture f;
        const QStringList species = {QStringLiteral("AMESCLA"), QStringLiteral("CEDRINHO"), QStringLiteral("TAUARI")};
        int plate = 1;
        for (const QString &s : species)
            for (int i = 0; i < 70; ++i, ++plate)
                reporttest::addLog(&f.conn, s, plate, 0.1 + plate / 1000.0, plate % 9 == 0);

        ReportDocument doc(reports::RepEstoque(), &f.conn);
        QVERIFY(!doc.layoutMore(1));
        QCOMPARE(doc.pageCount(), 1);
        doc.layoutAll();
        const int pages = doc.pageCount();
        QVERIFY(pages >= 3);

        QVector<QVector<reports::PlacedBand>> bands;
        QVector<QStringList> firstPaint;
        for (int p = 0; p < pages; ++p) {
            bands << doc.pageBands(p);
            firstPaint << doc.pageLines(p);
            QCOMPARE(firstPaint[p].first(), QStringLiteral("MADEIREIRA MODELO LTDA PAGINA %1").arg(p + 1));
            QVERIFY(firstPaint[p].last().startsWith(QStringLiteral("09/12/2026")));
            // The band before the page footer is never a lone group header.
            QVERIFY(bands[p].size() >= 3);
            QVERIFY(bands[p][bands[p].size() - 2].type != BandType::GroupHeader);
        }
        for (int p : {pages - 1, 0, 1, pages - 1})
            QCOMPARE(doc.pageLines(p), firstPaint[p]);

        // Walk the bands of all pages in order.
        int details = 0, headers = 0, footers = 0, summaries = 0;
        int headerPage = -1;
        bool crossed = false;
        BandType previous = BandType::PageHeader;
        for (int p = 0; p < pages; ++p) {
            for (const reports::PlacedBand &b : bands[p]) {
                switch (b.type) {
                case BandType::GroupHeader:
                    ++headers;
                    headerPage = p;
                    break;
                case BandType::Detail:
                    QVERIFY(previous != BandType::GroupFooter && previous != BandType::Summary);
                    ++details;
                    break;
                case BandType::GroupFooter:
                    QCOMPARE(previous, BandType::Detail); // right after the group's last line
                    crossed = crossed || p != headerPage;
                    ++footers;
                    break;
                case BandType::Summary:
                    QCOMPARE(p, pages - 1);
                    ++summaries;
                    break;
                default:
                    continue;
                }
                previous = b.type;
            }
        }
        QVERIFY(crossed);
        QCOMPARE(headers, 3);
        QCOMPARE(footers, 3);
        QCOMPARE(summaries, 1);
        QSqlQuery q(f.conn.database());
        QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*), SUM(QUANTIDADE) FROM ENTRADA_TOROS_DISCRIMINACAO WHERE SITUACAO = 0")));
        QVERIFY(q.next());
        QCOMPARE(details, q.value(0).toInt());
        const QString total = core::formatFloat(QStringLiteral("0.0000"), q.value(1).toDouble());
        QVERIFY(firstPaint.last().contains(QStringLiteral("TOTAL ") + total));

        // Each species' subtotal is the database's sum over its logs.
        QVERIFY(q.exec(QStringLiteral("SELECT ESSENCIA, SUM(QUANTIDADE) FROM ENTRADA_TOROS_DISCRIMINACAO "
                                      "WHERE SITUACAO = 0 GROUP BY ESSENCIA")));
        QStringList all;
        for (const QStringList &l : firstPaint)
            all += l;
        while (q.next())
            QVERIFY2(all.contains(core::formatFloat(QStringLiteral("#,####0.0000"), q.value(1).toDouble())),
                     qPrintable(q.value(0).toString()));

        // The PDF has the same pages.
        QString error;
        const QString text = reporttest::reportText(reports::RepEstoque(), &f.conn, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(text.count(QStringLiteral("[página]")), pages);
        QVERIFY(text.contains(QStringLiteral("PAGINA %1").arg(pages)));
    }
};

QTEST_MAIN(TestRepEstoque)
#include "tst_RepEstoque.moc"
