#include "ReportData.h"
#include "ReportTestKit.h"
#include "TestDatabase.h"

#include "data/Connection.h"
#include "reports/ReportDocument.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"
#include "reports/UnitRepProducao.h"
#include "reports/UnitRepProducao1.h"

#include <QtTest>

using reports::ReportDocument;

// The production reports on a small fixed database.
class TestSawnReports : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TestDatabase tdb;
        data::Connection conn{QStringLiteral("sawnreports")};
        reporttest::FixedClock clock;
        Fixture()
        {
            conn.setDatabaseName(tdb.path());
            conn.open();
            reportdata::fill(&conn);
            // Species 1 CEDRINHO, 2 IPE. Four March days, one row in April.
            made(40, 1, "CEDRINHO", QDateTime(QDate(2026, 3, 2), QTime(0, 0)), 2.5, 0.625, 300);
            made(41, 2, "IPE", QDateTime(QDate(2026, 3, 3), QTime(0, 0)), 1.2, 0.3, 180);
            made(42, 1, "CEDRINHO", QDateTime(QDate(2026, 3, 4), QTime(0, 0)), 4, 1, 480.5);
            // Sawn on the afternoon of the last day of the period.
            made(43, 2, "IPE", QDateTime(QDate(2026, 3, 31), QTime(17, 45)), 0.8, 0.2, 120);
            made(44, 1, "CEDRINHO", QDateTime(QDate(2026, 4, 1), QTime(0, 0)), 9, 3, 999);
        }

        void made(int plate, int species, const QString &name, const QDateTime &day, double log, double sawn,
                  double value)
        {
            reportdata::exec(&conn,
                             QStringLiteral("INSERT INTO PRODUCAO (CODPRODUTO, CODIGOESSENCIA, ESSENCIA, PRODUTO, DATA, "
                                            "QTORA, QSERRADA, VALTORA) VALUES (?, ?, ?, 'VIGA', ?, ?, ?, ?)"),
                             {plate, species, name, day, log, sawn, value});
        }

        QStringList lines(const reports::ReportDefinition &def)
        {
            ReportDocument doc(def, &conn);
            doc.layoutAll();
            QStringList all;
            for (int i = 0; i < doc.pageCount(); ++i)
                all += doc.pageLines(i);
            return all;
        }

        QString text(const reports::ReportDefinition &def)
        {
            QString error;
            const QString t = reporttest::reportText(def, &conn, &error);
            [&] { QVERIFY2(error.isEmpty(), qPrintable(error)); }();
            return t;
        }
    };

    static QVariantMap period(const QDate &from, const QDate &to, const QString &order = {})
    {
        QVariantMap p{{QStringLiteral("INICIO"), from}, {QStringLiteral("FIM"), to}};
        if (!order.isEmpty())
            p.insert(QStringLiteral("ORDEM"), order);
        return p;
    }

    static QStringList between(const QStringList &lines, const QString &first, int count)
    {
        const int at = lines.indexOf(first);
        return at < 0 ? QStringList() : lines.mid(at, count);
    }

private slots:
    // By species: each group with its subtotals, the summary their sum; the
    // row of the last afternoon is in, April is out.
    void productionBySpecies()
    {
        Fixture f;
        const auto def = reports::RepProducao(period(QDate(2026, 3, 1), QDate(2026, 3, 31), "ESSENCIA"));
        const QStringList lines = f.lines(def);
        QCOMPARE(between(lines, "CEDRINHO", 4),
                 QStringList({"CEDRINHO", "02/03/2026 000040 2,5000 0,6250", "04/03/2026 000042 4,0000 1,0000",
                              "6,5000 1,6250"}));
        QCOMPARE(between(lines, "IPE", 4),
                 QStringList({"IPE", "03/03/2026 000041 1,2000 0,3000", "31/03/2026 000043 0,8000 0,2000",
                              "2,0000 0,5000"}));
        QVERIFY(lines.contains(QStringLiteral("TOTAL 8,5000 2,1250")));
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("000044")));
        QVERIFY(lines.contains(QStringLiteral("RELATÓRIO DE PRODUÇÃO")));
        QUELVORA_COMPARE_GOLDEN(f.text(def), QStringLiteral("RepProducao_marco.txt"));
    }

    // By date the species alternate, so each run of one species is a group
    // of its own with its own subtotals.
    void productionByDateBreaksOnEveryChange()
    {
        Fixture f;
        const QStringList lines = f.lines(reports::RepProducao(period(QDate(2026, 3, 1), QDate(2026, 3, 31))));
        QCOMPARE(lines.count(QStringLiteral("CEDRINHO")), 2);
        QCOMPARE(lines.count(QStringLiteral("IPE")), 2);
        QCOMPARE(between(lines, "02/03/2026 000040 2,5000 0,6250", 2),
                 QStringList({"02/03/2026 000040 2,5000 0,6250", "2,5000 0,6250"}));
        QVERIFY(lines.contains(QStringLiteral("TOTAL 8,5000 2,1250")));
        QVERIFY_THROWS_EXCEPTION(reports::ReportError,
                                 reports::RepProducao(period(QDate(2026, 3, 1), QDate(2026, 3, 2), "QTORA")));
    }

    // One species: its rows only, with the log value; the dates bound as
    // dates (02/03 is 2 March, never 3 February).
    void productionOfOneSpecies()
    {
        Fixture f;
        QVariantMap p = period(QDate(2026, 3, 1), QDate(2026, 4, 30), "CODPRODUTO");
        p.insert(QStringLiteral("ESSENCIA"), 1);
        const auto def = reports::RepProducao1(p);
        QVERIFY(!def.data.condition.contains(QLatin1Char('\'')));
        const QStringList lines = f.lines(def);
        QCOMPARE(between(lines, "000040 02/03/2026 2,5000 300,00 0,6250", 3),
                 QStringList({"000040 02/03/2026 2,5000 300,00 0,6250", "000042 04/03/2026 4,0000 480,50 1,0000",
                              "000044 01/04/2026 9,0000 999,00 3,0000"}));
        QVERIFY(lines.contains(QStringLiteral("ESSÊNCIA.........: CEDRINHO")));
        QVERIFY(lines.contains(QStringLiteral("TOTAL 15,5000 1779,50 4,6250")));
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("IPE")));
        QUELVORA_COMPARE_GOLDEN(f.text(def), QStringLiteral("RepProducao1_cedrinho.txt"));

        QVariantMap day = period(QDate(2026, 3, 2), QDate(2026, 3, 2));
        day.insert(QStringLiteral("ESSENCIA"), 1);
        QVERIFY(f.lines(reports::RepProducao1(day)).contains(QStringLiteral("000040 02/03/2026 2,5000 300,00 0,6250")));
        QVariantMap february = period(QDate(2026, 2, 3), QDate(2026, 2, 3));
        february.insert(QStringLiteral("ESSENCIA"), 1);
        QVERIFY(!f.lines(reports::RepProducao1(february)).join(QLatin1Char('\n')).contains(QStringLiteral("000040")));
    }

    void catalog()
    {
        for (const char *name : {"RepProducao", "RepProducao1"})
            QVERIFY2(reports::findReport(QString::fromLatin1(name)), name);
        const reports::ReportEntry *e = reports::findReport(QStringLiteral("RepProducao1"));
        QVERIFY_THROWS_EXCEPTION(reports::ReportError, reports::parseParameters(*e, {QStringLiteral("INICIO=01/03/2026"),
                                                                                     QStringLiteral("FIM=31/03/2026")}));
        const QVariantMap v = reports::parseParameters(
            *e, {QStringLiteral("INICIO=01/03/2026"), QStringLiteral("FIM=31/03/2026"), QStringLiteral("ESSENCIA=2")});
        QCOMPARE(v.value(QStringLiteral("ESSENCIA")).toInt(), 2);
    }
};

QTEST_MAIN(TestSawnReports)
#include "tst_SawnReports.moc"
