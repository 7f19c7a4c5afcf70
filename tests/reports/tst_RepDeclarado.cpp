#include "ReportTestKit.h"
#include "TestDatabase.h"

#include "data/Connection.h"
#include "reports/ReportDocument.h"
#include "reports/ReportRegistry.h"

#include <QtTest>

// Declared against measured volume, per invoice, per supplier and in total.
class TestRepDeclarado : public QObject
{
    Q_OBJECT

    static void invoice(data::Connection *c, int supplier, const QString &name, int nf, const QDate &issued,
                        double declared, const QVector<double> &logs)
    {
        reporttest::exec(c, QStringLiteral("insert into ENTRADA_TOROS (NF_NUMERO, CODIGOFORNECEDOR, RAZAO_SOCIAL, "
                                           "DATA_EMISSAO) values (?, ?, ?, ?)"),
                         {nf, supplier, name, QDateTime(issued, QTime(0, 0))});
        reporttest::exec(c, QStringLiteral("insert into NFE_TOROS (CODIGOFORNECEDOR, NF_NUMERO, VOLUME_DECLARADO) "
                                           "values (?, ?, ?)"),
                         {supplier, nf, declared});
        for (double v : logs)
            reporttest::exec(c, QStringLiteral("insert into ENTRADA_TOROS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, "
                                               "QUANTIDADE, SITUACAO, CPF) values (?, ?, ?, 0, 0)"),
                             {nf, supplier, v});
    }

    static QString page(data::Connection *c, const QVariantMap &params)
    {
        reports::ReportDocument doc(reports::makeReport(QStringLiteral("RepDeclarado"), *c, params), c);
        doc.layoutAll();
        return doc.pageLines(0).join(QLatin1Char('\n'));
    }

private slots:
    void perInvoiceSupplierAndTotal()
    {
        TestDatabase tdb;
        data::Connection conn(QStringLiteral("decl"));
        conn.setDatabaseName(tdb.path());
        conn.open();
        reporttest::addCompany(&conn);
        invoice(&conn, 1, QStringLiteral("SERRARIA FICTICIA"), 10, QDate(2026, 11, 5), 30.0, {10.0, 9.5, 9.0});
        invoice(&conn, 1, QStringLiteral("SERRARIA FICTICIA"), 11, QDate(2026, 11, 20), 10.0, {10.0});
        invoice(&conn, 2, QStringLiteral("MADEIRAS INVENTADAS"), 10, QDate(2026, 11, 7), 20.0, {21.0});
        // Lines of another invoice with the same number but another supplier are not counted.
        reporttest::exec(&conn, QStringLiteral("insert into ENTRADA_TOROS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, "
                                               "QUANTIDADE, SITUACAO, CPF) values (10, 3, 99, 0, 0)"));
        // Out of the period.
        invoice(&conn, 1, QStringLiteral("SERRARIA FICTICIA"), 12, QDate(2026, 12, 1), 5.0, {1.0});
        reporttest::FixedClock clock;

        const QVariantMap period = {{QStringLiteral("INICIO"), QDate(2026, 11, 1)},
                                    {QStringLiteral("FIM"), QDate(2026, 11, 30)}};
        const QString all = page(&conn, period);
        QVERIFY2(all.contains(QStringLiteral("000010 05/11/2026 30,000 28,500 -1,500 -5,00")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("000011 20/11/2026 10,000 10,000 0,000 0,00")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("Total do Fornecedor 40,000 38,500 -1,500 -3,75")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("000010 07/11/2026 20,000 21,000 +1,000 +5,00")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("TOTAL GERAL 60,000 59,500 -0,500 -0,83")), qPrintable(all));
        QVERIFY(!all.contains(QStringLiteral("000012")));
        // Suppliers by name: the invented lumber yard first.
        QVERIFY(all.indexOf(QStringLiteral("MADEIRAS INVENTADAS")) < all.indexOf(QStringLiteral("SERRARIA FICTICIA")));

        QVariantMap one = period;
        one.insert(QStringLiteral("FORNECEDOR"), 2);
        const QString single = page(&conn, one);
        QVERIFY(!single.contains(QStringLiteral("SERRARIA FICTICIA")));
        QVERIFY2(single.contains(QStringLiteral("TOTAL GERAL 20,000 21,000 +1,000 +5,00")), qPrintable(single));
    }
};

QTEST_MAIN(TestRepDeclarado)
#include "tst_RepDeclarado.moc"
