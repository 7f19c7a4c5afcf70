#include "NfeSamples.h"
#include "TestDatabase.h"
#include "core/NfeDocument.h"
#include "data/Statement.h"
#include "data/Transaction.h"
#include "data/UnitDM.h"
#include "rules/DeclaredVolume.h"
#include "rules/NfeImport.h"

#include <QtTest>

// Reading a supplier's NF-e and what the log intake takes from it.
class TestNfeImport : public QObject
{
    Q_OBJECT

private slots:
    void readsWithAndWithoutTheEnvelope()
    {
        for (bool envelope : {true, false}) {
            nfesample::Options o;
            o.envelope = envelope;
            const core::NfeDocument nfe = core::parseNfe(nfesample::xml(o));
            QCOMPARE(nfe.number, 4521);
            QCOMPARE(nfe.accessKey.size(), 44);
            QCOMPARE(nfe.issuer.cnpj, QStringLiteral("98765432000198"));
            QCOMPARE(nfe.issuer.name, QStringLiteral("SERRARIA FICTICIA DO VALE LTDA"));
            QCOMPARE(nfe.issuer.city, QStringLiteral("SINOP"));
            QCOMPARE(nfe.issuer.stateRegistration, QStringLiteral("131234567"));
            QCOMPARE(nfe.issued, QDateTime(QDate(2026, 11, 10), QTime(8, 30)));
            QCOMPARE(nfe.exit, QDateTime(QDate(2026, 11, 11), QTime(14, 45)));
            QCOMPARE(nfe.cfop, QStringLiteral("5101"));
            // The buyer's CNPJ is not the issuer's.
            QCOMPARE(nfe.carrier.cnpj, QStringLiteral("55566677000183"));
            QCOMPARE(nfe.carrier.name, QStringLiteral("TRANSPORTES IMAGINARIOS LTDA"));
            QCOMPARE(nfe.plate, QStringLiteral("QBX1A23"));
            QCOMPARE(nfe.volumes, 12.0);
            QCOMPARE(nfe.grossWeight, 27500.0);
            QCOMPARE(nfe.total, 10560.0);
            QCOMPARE(nfe.icms, 1236.0);
            QCOMPARE(nfe.items, 3);
            QCOMPARE(nfe.itemsInM3, 2);
            QCOMPARE(nfe.declaredM3, 30.0);
        }
    }

    void refusesWhatIsNotAnNfe_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("message");
        QByteArray cut = nfesample::xml();
        cut.chop(200);
        QTest::newRow("cut short") << cut << "XML inválido";
        QTest::newRow("not xml") << QByteArray("NOTA FISCAL 4521; 30 m3") << "XML inválido";
        QTest::newRow("empty") << QByteArray() << "XML inválido";
        QTest::newRow("other document") << QByteArray("<?xml version=\"1.0\"?><CTe><infCte/></CTe>") << "não é uma NF-e";
        QTest::newRow("no namespace")
            << QByteArray("<NFe><infNFe versao=\"4.00\"><ide><nNF>1</nNF></ide></infNFe></NFe>") << "não é uma NF-e";
        nfesample::Options old;
        old.version = QStringLiteral("3.10");
        QTest::newRow("older layout") << nfesample::xml(old) << "leiaute 3.10";
        nfesample::Options consumer;
        consumer.model = QStringLiteral("65");
        QTest::newRow("consumer invoice") << nfesample::xml(consumer) << "modelo 65";
        nfesample::Options noNumber;
        noNumber.number = QString();
        QTest::newRow("no number") << nfesample::xml(noNumber) << "número";
    }
    void refusesWhatIsNotAnNfe()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, message);
        try {
            core::parseNfe(xml);
            QFAIL("read as an NF-e");
        } catch (const core::NfeError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
    }

    void supplierFoundByItsNumberWhateverTheMask()
    {
        TestDatabase tdb;
        data::TDM dm;
        data::Connection *c = dm.IBDatabase1;
        c->setDatabaseName(tdb.path());
        const core::NfeDocument nfe = core::parseNfe(nfesample::xml());
        QVERIFY(!rules::findNfeSupplier(c, nfe.issuer));
        data::execute(c, "insert into FORNECEDOR (NOMEFORNECEDOR, CNPJ, CPF) values ('OUTRO', '11222333000181', '')");
        data::execute(c, "insert into FORNECEDOR (NOMEFORNECEDOR, CNPJ, CPF, INSCESTADUAL) values "
                         "('SERRARIA', '98.765.432/0001-98', '123', '131234567')");
        const auto found = rules::findNfeSupplier(c, nfe.issuer);
        QVERIFY(found);
        QCOMPARE(found->name, QStringLiteral("SERRARIA"));
        QCOMPARE(found->stateRegistration, QStringLiteral("131234567"));

        QVERIFY(!rules::nfeInvoiceEntered(c, found->code, 4521));
        {
            data::Transaction work(c);
            rules::storeDeclaredVolume(c, found->code, 4521.0, nfe.accessKey, nfe.declaredM3);
            work.commit();
        }
        QVERIFY(rules::nfeInvoiceEntered(c, found->code, 4521));
        QVERIFY(!rules::nfeInvoiceEntered(c, found->code, 4522));
    }

    void registersAPersonFromTheInvoice()
    {
        TestDatabase tdb;
        data::TDM dm;
        data::Connection *c = dm.IBDatabase1;
        c->setDatabaseName(tdb.path());
        nfesample::Options o;
        o.issuerCpf = QStringLiteral("12345678909");
        const core::NfeDocument nfe = core::parseNfe(nfesample::xml(o));
        const rules::NfeSupplier s = rules::registerNfeSupplier(c, nfe.issuer);
        QVERIFY(!s.code.isNull());
        const QVariantList row = data::firstRow(c,
            "select NOMEFORNECEDOR, CPF, CNPJ, CIDADE, CIDADEUF, INSCESTADUAL, TIPOCLIENTE from FORNECEDOR "
            "where CODIGOFORNECEDOR = :c", {{"c", s.code}});
        QCOMPARE(row.value(0).toString(), QStringLiteral("SERRARIA FICTICIA DO VALE LTDA"));
        QCOMPARE(row.value(1).toString(), QStringLiteral("12345678909"));
        QVERIFY(row.value(2).isNull());
        QCOMPARE(row.value(3).toString(), QStringLiteral("SINOP"));
        QCOMPARE(row.value(4).toString(), QStringLiteral("MT"));
        QCOMPARE(row.value(5).toString(), QStringLiteral("131234567"));
        QCOMPARE(row.value(6).toString(), QStringLiteral("PESSOA FÍSICA"));
        QCOMPARE(rules::findNfeSupplier(c, nfe.issuer)->code, s.code);

        const QVariantMap header = rules::nfeHeaderValues(nfe, s);
        QCOMPARE(header.value("NF_NUMERO").toDouble(), 4521.0);
        QCOMPARE(header.value("DATA_EMISSAO").toDateTime(), QDateTime(QDate(2026, 11, 10), QTime(0, 0)));
        QCOMPARE(header.value("HORA_SAIDA").toString(), QStringLiteral("1445"));
        QCOMPARE(header.value("FRETE").toString(), QStringLiteral("DESTINATÁRIO"));
        QCOMPARE(header.value("VALOR_TOTAL_NOTA").toDouble(), 10560.0);
        QCOMPARE(header.value("CGC").toDouble(), 12345678909.0);
    }

    void declaredAgainstMeasuredPerInvoice()
    {
        TestDatabase tdb;
        data::TDM dm;
        data::Connection *c = dm.IBDatabase1;
        c->setDatabaseName(tdb.path());
        for (int supplier : {1, 2}) {
            data::execute(c, "insert into ENTRADA_TOROS (NF_NUMERO, CODIGOFORNECEDOR, RAZAO_SOCIAL, DATA_EMISSAO) "
                             "values (77, :s, :n, :d)",
                          {{"s", supplier}, {"n", supplier == 1 ? "B SERRARIA" : "A MADEIRAS"},
                           {"d", QDateTime(QDate(2026, 11, 30), QTime(0, 0))}});
            data::execute(c, "insert into NFE_TOROS (CODIGOFORNECEDOR, NF_NUMERO, VOLUME_DECLARADO) values (:s, 77, 30)",
                          {{"s", supplier}});
        }
        for (double v : {10.0, 9.5, 9.0})
            data::execute(c, "insert into ENTRADA_TOROS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, QUANTIDADE, "
                             "SITUACAO, CPF) values (77, 1, :q, 0, 0)", {{"q", v}});
        const auto all = rules::declaredVersusMeasured(c, QDate(2026, 11, 1), QDate(2026, 11, 30));
        QCOMPARE(all.size(), 2);
        QCOMPARE(all[0].supplierName, QStringLiteral("A MADEIRAS"));
        QCOMPARE(all[0].measured, 0.0);
        QCOMPARE(all[1].declared, 30.0);
        QCOMPARE(all[1].measured, 28.5);
        QCOMPARE(all[1].issued, QDate(2026, 11, 30));
        const auto one = rules::declaredVersusMeasured(c, QDate(2026, 11, 1), QDate(2026, 11, 30), 1);
        QCOMPARE(one.size(), 1);
        QVERIFY(rules::declaredVersusMeasured(c, QDate(2026, 10, 1), QDate(2026, 10, 31)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestNfeImport)
#include "tst_NfeImport.moc"
