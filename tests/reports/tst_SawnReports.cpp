#include "ReportFixture.h"

#include "data/Connection.h"
#include "reports/ReportDocument.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"
#include "reports/UnitRepProducao.h"
#include "reports/UnitRepProducao1.h"
#include "reports/UnitRepRomaneioserrada.h"
#include "reports/UnitRepSaida.h"
#include "reports/UnitRepSaida1.h"

#include <QtTest>

using reports::ReportDocument;
using reporttest::period;

// The production reports on a small fixed database.
class TestSawnReports : public QObject
{
    Q_OBJECT

    struct Fixture : reporttest::ReportFixture
    {
        Fixture() : ReportFixture(QStringLiteral("sawnreports"))
        {
            // Species 1 CEDRINHO, 2 IPE. Four March days, one row in April.
            made(40, 1, "CEDRINHO", QDateTime(QDate(2026, 3, 2), QTime(0, 0)), 2.5, 0.625, 300);
            made(41, 2, "IPE", QDateTime(QDate(2026, 3, 3), QTime(0, 0)), 1.2, 0.3, 180);
            made(42, 1, "CEDRINHO", QDateTime(QDate(2026, 3, 4), QTime(0, 0)), 4, 1, 480.5);
            // Sawn on the afternoon of the last day of the period.
            made(43, 2, "IPE", QDateTime(QDate(2026, 3, 31), QTime(17, 45)), 0.8, 0.2, 120);
            made(44, 1, "CEDRINHO", QDateTime(QDate(2026, 4, 1), QTime(0, 0)), 9, 3, 999);

            // Sales: invoice 7001 of client 3 with two species, and another
            // 7001 of client 7 (numbers repeat between clients); 7002 in April.
            const QString sales = QStringLiteral("SAIDA_MADEIRAS");
            reportdata::addInvoice(&conn, sales, 7001, QDateTime(QDate(2026, 3, 12), QTime(0, 0)), 3,
                                   QStringLiteral("CLIENTE 3"), 11222333000183.0, QStringLiteral("131000003"));
            reportdata::addInvoice(&conn, sales, 7003, QDateTime(QDate(2026, 3, 20), QTime(9, 0)), 7,
                                   QStringLiteral("PEDRO ALVES"), 52998224725.0, QStringLiteral("ISENTO"));
            reportdata::addInvoice(&conn, sales, 7002, QDateTime(QDate(2026, 4, 2), QTime(0, 0)), 3,
                                   QStringLiteral("CLIENTE 3"), 11222333000183.0, QStringLiteral("131000003"));
            sold(3, 7001, "CLIENTE 3", "IPE", "ASSOALHO", 0.24, 4200);
            sold(3, 7001, "CLIENTE 3", "CEDRINHO", "VIGA", 0.72, 1500);
            sold(3, 7001, "CLIENTE 3", "CEDRINHO", "TABUA", 0.5, 1600);
            sold(7, 7001, "PEDRO ALVES", "CEDRINHO", "VIGA", 9.5, 100);
            // A packing list of client 7: 20 x 4,00 x 0,25 x 0,025 = 0,5 at 600,00.
            packed(7, 9, "VIGA", "CEDRINHO", 20, 4, 0.25, 0.025, 0.5, 600);
            packed(7, 9, "ASSOALHO", "IPE", 10, 3, 0.10, 0.02, 0.06, 4000);
            packed(3, 9, "VIGA", "IPE", 1, 1, 1, 1, 1, 1);
        }

        void sold(int client, int nf, const QString &name, const QString &species, const QString &product,
                  double m3, double price)
        {
            reportdata::exec(&conn,
                             QStringLiteral("INSERT INTO SAIDA_MADEIRAS_DISCRIMINACAO (CODIGOFORNECEDOR, NFNUMERO, "
                                            "FORNECEDOR, DATALANCAMENTO, ESSENCIA, ESSENCIATIPO, TOTALM3, VALUNITARIO, "
                                            "VALTOTAL, UNIDADE, CPF) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 'M/3', 0)"),
                             {client, nf, name, QDateTime(QDate(2026, 3, 12), QTime(0, 0)), species, product, m3,
                              price, m3 * price});
        }

        void packed(int client, int nf, const QString &product, const QString &species, int pieces, double length,
                    double width, double thickness, double m3, double price)
        {
            reportdata::exec(&conn,
                             QStringLiteral("INSERT INTO ROMANEIO_SERRADA (CODEMPRESA, NF, DATA, PRODUTO, ESSENCIA, "
                                            "QUANTIDADE, COMPRIMENTO, LARGURA, EXPESSURA, TOTALM3, VLUNITARIO, "
                                            "VLTOTAL, UNIDADE) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'M/3')"),
                             {client, nf, QDateTime(QDate(2026, 3, 25), QTime(0, 0)), product, species, pieces,
                              length, width, thickness, m3, price, m3 * price});
        }

        void made(int plate, int species, const QString &name, const QDateTime &day, double log, double sawn,
                  double value)
        {
            reportdata::exec(&conn,
                             QStringLiteral("INSERT INTO PRODUCAO (CODPRODUTO, CODIGOESSENCIA, ESSENCIA, PRODUTO, DATA, "
                                            "QTORA, QSERRADA, VALTORA) VALUES (?, ?, ?, 'VIGA', ?, ?, ?, ?)"),
                             {plate, species, name, day, log, sawn, value});
        }
    };

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

    // The sale invoices of March, each client's tax number through its mask.
    void saleInvoiceList()
    {
        Fixture f;
        const auto def = reports::RepSaida(period(QDate(2026, 3, 1), QDate(2026, 3, 31)));
        const QStringList lines = f.lines(def);
        QVERIFY(lines.contains(QStringLiteral("RELATÓRIO DE SAÍDA")));
        QVERIFY(lines.contains(QStringLiteral("007001 12/03/2026 CLIENTE 3 11.222.333/0001-83 131000003")));
        QVERIFY(lines.contains(QStringLiteral("007003 20/03/2026 PEDRO ALVES 529.982.247-25 ISENTO")));
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("007002")));
        QUELVORA_COMPARE_GOLDEN(f.text(def), QStringLiteral("RepSaida_marco.txt"));
    }

    // Invoice 7001 of client 3: two species, two groups with their own
    // subtotals adding up to the summary; client 7's 7001 is not in it.
    void saleInvoiceDetail()
    {
        Fixture f;
        const auto def = reports::RepSaida1({{QStringLiteral("FORNECEDOR"), 3}, {QStringLiteral("NOTA"), 7001}});
        const QStringList lines = f.lines(def);
        QCOMPARE(between(lines, "CEDRINHO", 4),
                 QStringList({"CEDRINHO", "VIGA 0,7200 1500,00 1080,00", "TABUA 0,5000 1600,00 800,00",
                              "1,2200 1.880,00"}));
        QCOMPARE(between(lines, "IPE", 3), QStringList({"IPE", "ASSOALHO 0,2400 4200,00 1008,00", "0,2400 1.008,00"}));
        QVERIFY(lines.contains(QStringLiteral("TOTAL 1,4600 2888,00")));
        QVERIFY(lines.contains(QStringLiteral("Empresa......: CLIENTE 3")));
        QVERIFY(lines.contains(QStringLiteral("NOTA FISCAL..: 007001")));
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("9,5000")));
        QUELVORA_COMPARE_GOLDEN(f.text(def), QStringLiteral("RepSaida1_nf7001.txt"));
    }

    // A person's packing list: the CPF where the CNPJ is zeros, the address,
    // the observation, the declaration and the receipt line; the totals.
    void sawnPackingList()
    {
        Fixture f;
        const QVariantMap p{{QStringLiteral("CLIENTE"), 7},
                            {QStringLiteral("NOTA"), 9},
                            {QStringLiteral("OBSERVACAO"), QStringLiteral("ENTREGA NA OBRA\nPLACA QBX-1A23")}};
        const auto def = reports::RepRomaneioserrada(f.conn, p);
        const QStringList lines = f.lines(def);
        QVERIFY(lines.contains(QStringLiteral("CNPJ/CPF.: 52998224725")));
        QVERIFY(lines.contains(QStringLiteral("CIDADE..: SINOP-MT")));
        QVERIFY(lines.contains(QStringLiteral("CLIENTE.: PEDRO ALVES")));
        QVERIFY(lines.contains(QStringLiteral("ASSOALHO IPE 10 3,00 0,10 0,020 0,0600 4000,00 240,00")));
        QVERIFY(lines.contains(QStringLiteral("VIGA CEDRINHO 20 4,00 0,25 0,025 0,5000 600,00 300,00")));
        QVERIFY(lines.contains(QStringLiteral("TOTAL 0,5600 540,00")));
        QVERIFY(lines.contains(QStringLiteral("PLACA QBX-1A23")));
        QVERIFY(lines.contains(QStringLiteral("não tenho nada a reclamar sobre a mesma.")));
        QVERIFY(lines.contains(QStringLiteral("Recebi  _______/_______/_______")));
        QUELVORA_COMPARE_GOLDEN(f.text(def), QStringLiteral("RepRomaneioserrada_cliente7.txt"));

        // By species the lines swap; a company's CNPJ is printed as it is.
        QVariantMap bySpecies = p;
        bySpecies.insert(QStringLiteral("ORDEM"), QStringLiteral("ESSENCIA"));
        const QStringList sorted = f.lines(reports::RepRomaneioserrada(f.conn, bySpecies));
        QVERIFY(sorted.indexOf(QStringLiteral("VIGA CEDRINHO 20 4,00 0,25 0,025 0,5000 600,00 300,00"))
                < sorted.indexOf(QStringLiteral("ASSOALHO IPE 10 3,00 0,10 0,020 0,0600 4000,00 240,00")));
        const auto company = reports::RepRomaneioserrada(f.conn, {{QStringLiteral("CLIENTE"), 3},
                                                                  {QStringLiteral("NOTA"), 9}});
        QVERIFY(f.lines(company).contains(QStringLiteral("CNPJ/CPF.: 11222333000183")));
    }

    void catalog()
    {
        for (const char *name : {"RepProducao", "RepProducao1", "RepSaida", "RepSaida1", "RepRomaneioserrada"})
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
