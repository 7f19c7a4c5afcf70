#include "ReportFixture.h"

#include "data/Connection.h"
#include "reports/ReportDocument.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"
#include "reports/UnitRepEntrada.h"
#include "reports/UnitRepEntrada1.h"
#include "reports/UnitRepEntrada2.h"
#include "reports/UnitRepEntrada3.h"
#include "reports/UnitRepRomaneioToros.h"

#include <QtTest>

using reports::ReportDocument;
using reporttest::period;

// The intake and packing-list reports on a small fixed database.
class TestLogReports : public QObject
{
    Q_OBJECT

    struct Fixture : reporttest::ReportFixture
    {
        Fixture() : ReportFixture(QStringLiteral("logreports")) {}
    };

    static QVariantMap invoice(int supplier, int number)
    {
        return {{QStringLiteral("FORNECEDOR"), supplier}, {QStringLiteral("NOTA"), number}};
    }

private slots:
    // March: the invoice of the 5th and the one issued on the afternoon of
    // the 31st; not the one of 1 April. The CNPJ and the CPF each through
    // their own mask.
    void invoiceListOfAPeriod()
    {
        Fixture f;
        const auto def = reports::RepEntrada(period(QDate(2026, 3, 1), QDate(2026, 3, 31)));
        const QStringList lines = f.lines(def);
        QVERIFY(lines.contains(
            QStringLiteral("000101 05/03/2026 MADEIRAS SOL NASCENTE LTDA 11.222.333/0001-81 131000001")));
        QVERIFY(lines.contains(QStringLiteral("000102 31/03/2026 JOAO DA SILVA 111.444.777-35 131000002")));
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("000103")));
        QUELVORA_COMPARE_GOLDEN(f.text(def), QStringLiteral("RepEntrada_marco.txt"));
    }

    // The dates are bound as dates: day and month are never swapped, and no
    // date is written into the condition's text.
    void periodDatesAreBound()
    {
        Fixture f;
        const auto def = reports::RepEntrada(period(QDate(2026, 3, 5), QDate(2026, 3, 5)));
        QVERIFY(!def.data.condition.contains(QLatin1Char('\'')));
        for (const QVariant &v : def.data.params)
            QCOMPARE(v.typeId(), QMetaType::QDateTime);
        QVERIFY(f.lines(def).join(QLatin1Char('\n')).contains(QStringLiteral("000101")));
        // 05/03 read month first would be 3 May.
        const auto may = reports::RepEntrada(period(QDate(2026, 5, 3), QDate(2026, 5, 3)));
        QVERIFY(!f.lines(may).join(QLatin1Char('\n')).contains(QStringLiteral("000101")));
    }

    void invoiceListOrders()
    {
        Fixture f;
        auto nfOf = [&](const QString &order) {
            QStringList nfs;
            for (const QString &l : f.lines(reports::RepEntrada(period(QDate(2026, 1, 1), QDate(2026, 12, 31), order))))
                if (l.startsWith(QStringLiteral("0001")))
                    nfs << l.left(6);
            return nfs;
        };
        QCOMPARE(nfOf(QString()), QStringList({"000101", "000102", "000103"}));
        QCOMPARE(nfOf(QStringLiteral("RAZAO_SOCIAL")), QStringList({"000102", "000101", "000103"}));
        QCOMPARE(nfOf(QStringLiteral("DATA_EMISSAO")), QStringList({"000101", "000102", "000103"}));
        QVERIFY_THROWS_EXCEPTION(reports::ReportError,
                                 reports::RepEntrada(period(QDate(2026, 1, 1), QDate(2026, 1, 2), "VALOR")));
    }

    // A period with nothing in it prints the page with its headings only.
    void emptyPeriodStillPrints()
    {
        Fixture f;
        const QStringList lines = f.lines(reports::RepEntrada(period(QDate(2026, 4, 2), QDate(2026, 3, 1))));
        QVERIFY(lines.contains(QStringLiteral("RELATÓRIO DE ENTRADA/MADEIRA EM TORO")));
        const QString all = lines.join(QLatin1Char('\n'));
        for (const char *nf : {"000101", "000102", "000103"})
            QVERIFY(!all.contains(QString::fromLatin1(nf)));
        QVERIFY(lines.contains(QStringLiteral("NF Emissão Fornecedor CNPJ Insc.Estadual")));
    }

    // The sawn-wood list prints the tax number without a mask.
    void sawnInvoiceList()
    {
        Fixture f;
        const auto def = reports::RepEntrada2(period(QDate(2026, 3, 1), QDate(2026, 3, 31)));
        QVERIFY(f.lines(def).contains(
            QStringLiteral("000501 10/03/2026 MADEIRAS SOL NASCENTE LTDA 11222333000181 131000001")));
        QUELVORA_COMPARE_GOLDEN(f.text(def), QStringLiteral("RepEntrada2_marco.txt"));
    }

    // Two species: two groups with their subtotals, and totals equal to
    // their sum.
    void detailedInvoiceTwoSpecies()
    {
        Fixture f;
        const auto def = reports::RepEntrada1(invoice(1, 101));
        const QStringList lines = f.lines(def);
        const int angelim = lines.indexOf(QStringLiteral("ANGELIM PEDRA"));
        const int cedrinho = lines.indexOf(QStringLiteral("CEDRINHO"));
        QVERIFY(angelim >= 0 && cedrinho > angelim);
        QCOMPARE(lines.mid(angelim + 1, 3), QStringList({"000010 1,2345 100,00 123,45", "000011 0,8000 100,00 80,00",
                                                          "2,0345 203,45"}));
        QCOMPARE(lines.mid(cedrinho + 1, 2), QStringList({"000012 2,5000 150,00 375,00", "2,5000 375,00"}));
        QVERIFY(lines.contains(QStringLiteral("TOTAL 4,5345 578,45")));
        QVERIFY(lines.contains(QStringLiteral("Empresa......: MADEIRAS SOL NASCENTE LTDA")));
        QVERIFY(lines.contains(QStringLiteral("NOTA FISCAL..: 000101")));
        QUELVORA_COMPARE_GOLDEN(f.text(def), QStringLiteral("RepEntrada1_nf101.txt"));
    }

    // The sawn-wood twin prints the product where the log plate was.
    void sawnDetailedInvoice()
    {
        Fixture f;
        const auto def = reports::RepEntrada3(invoice(1, 501));
        const QStringList lines = f.lines(def);
        QVERIFY(lines.contains(QStringLiteral("ESSÊNCIA PRODUTO QUANTIDADE[M/3] VALOR UNITÁRIO VALOR TOTAL")));
        QVERIFY(lines.contains(QStringLiteral("TABUA 3,2500 800,00 2.600,00")) ||
                lines.contains(QStringLiteral("TABUA 3,2500 800,00 2600,00")));
        QUELVORA_COMPARE_GOLDEN(f.text(def), QStringLiteral("RepEntrada3_nf501.txt"));
    }

    // A client whose CNPJ was stored as zeros prints the CPF.
    void packingListOfAPerson()
    {
        Fixture f;
        const QVariantMap p{{QStringLiteral("CLIENTE"), 7},
                            {QStringLiteral("NOTA"), 5},
                            {QStringLiteral("OBSERVACAO"), QStringLiteral("CARGA 1\nPLACA ABC-1234")}};
        const auto def = reports::RepRomaneioToros(f.conn, p);
        const QStringList lines = f.lines(def);
        QVERIFY(lines.contains(QStringLiteral("CNPJ/CPF.: 52998224725")));
        QVERIFY(lines.contains(QStringLiteral("CIDADE..: SINOP-MT")));
        QVERIFY(lines.contains(QStringLiteral("TOTAL 2,1991")));
        QVERIFY(lines.contains(QStringLiteral("PLACA ABC-1234")));
        QUELVORA_COMPARE_GOLDEN(f.text(def), QStringLiteral("RepRomaneioToros_cliente7.txt"));

        // A company's CNPJ is printed as it is.
        const auto company = reports::RepRomaneioToros(f.conn, {{QStringLiteral("CLIENTE"), 3},
                                                                {QStringLiteral("NOTA"), 5}});
        QVERIFY(f.lines(company).contains(QStringLiteral("CNPJ/CPF.: 11222333000183")));
    }

    // The catalog knows each report by its name, with its parameters.
    void catalog()
    {
        for (const char *name : {"RepEntrada", "RepEntrada1", "RepEntrada2", "RepEntrada3", "RepRomaneioToros"})
            QVERIFY2(reports::findReport(QString::fromLatin1(name)), name);
        const reports::ReportEntry *e = reports::findReport(QStringLiteral("RepEntrada"));
        QVERIFY_THROWS_EXCEPTION(reports::ReportError,
                                 reports::parseParameters(*e, {QStringLiteral("INICIO=01/03/2026")}));
        const QVariantMap v = reports::parseParameters(*e, {QStringLiteral("INICIO=01/03/2026"),
                                                            QStringLiteral("FIM=2026-03-31")});
        QCOMPARE(v.value(QStringLiteral("FIM")).toDate(), QDate(2026, 3, 31));
    }
};

QTEST_MAIN(TestLogReports)
#include "tst_LogReports.moc"
