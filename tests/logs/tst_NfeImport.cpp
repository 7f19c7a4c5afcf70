#include "LogsTestKit.h"
#include "NfeSamples.h"
#include "WindowTest.h"

#include "data/Statement.h"
#include "logs/UnitEntradaToros.h"
#include "logs/UnitEntradaTorosProdutos.h"
#include "widgets/DBEdit.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/WindowRegistry.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

using namespace logstest;

// "Importar NF-e" of the log intake, from the file to the saved header.
class TestNfeImportWindow : public QObject
{
    Q_OBJECT

    struct Fixture : WindowFixture
    {
        QTemporaryDir dir;
        QString file;
        std::unique_ptr<TfrmEntradaToros> w;
        TfrmEntradaTorosProdutos *line = nullptr;

        Fixture()
        {
            addSpecies(dm, QStringLiteral("IPE"));
            widgets::windows().clear();
            w = std::make_unique<TfrmEntradaToros>(&dm);
            line = new TfrmEntradaTorosProdutos(&dm, w.get());
            widgets::windows().add(w.get());
            w->setLineWindow(line);
            w->nfeIntake.setFileChooser([this] { return file; });
            w->resize(1200, 700);
            w->show();
        }
        void importFile(const QByteArray &xml)
        {
            file = nfesample::write(QDir(dir.path()).filePath(QStringLiteral("nfe.xml")), xml);
            w->ImportarNFe->click();
        }
        double count(const char *sql) { return sumOf(dm, QString::fromLatin1(sql)); }
        void nothingCreated(double suppliers)
        {
            QCOMPARE(count("select count(*) from FORNECEDOR"), suppliers);
            QCOMPARE(count("select count(*) from ENTRADA_TOROS"), 0.0);
            QCOMPARE(count("select count(*) from NFE_TOROS"), 0.0);
            QVERIFY(w->BitBtn4->isEnabled());
            QVERIFY(w->ImportarNFe->isEnabled());
        }
    };

private slots:
    void knownSupplierFilledMeasuredAndSaved()
    {
        Fixture f;
        // Registered with the mask: found all the same.
        data::execute(f.dm.IBDatabase1, "insert into FORNECEDOR (NOMEFORNECEDOR, CNPJ, CPF, INSCESTADUAL) values "
                                        "('SERRARIA FICTICIA', '98.765.432/0001-98', '', '131234567')");
        f.p.info("1 de 3 item(ns) da NF-e não estão em m³*", "Importar NF-e");
        f.importFile(nfesample::xml());
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.w->nota->text(), QStringLiteral("004521"));
        QCOMPARE(f.w->fornecedor->text(), QStringLiteral("SERRARIA FICTICIA"));
        QCOMPARE(f.w->NOME_TRANSPORTADOR->text(), QStringLiteral("TRANSPORTES IMAGINARIOS LTDA"));
        QCOMPARE(f.w->data->date(), QDate(2026, 11, 10));
        QCOMPARE(f.w->saida->date(), QDate(2026, 11, 11));
        QCOMPARE(f.w->totalnota->value(), 10560.0);
        QCOMPARE(f.w->valicms->value(), 1236.0);
        QVERIFY(!f.w->ImportarNFe->isEnabled());

        // The logs are measured as always, then the header saved.
        QVERIFY(focusTo(f.w->NOME_TRANSPORTADOR));
        QVERIFY(focusTo(f.w->nota)); // entering the number enables the line "Incluir"
        f.w->BitBtn12->click();
        QVERIFY(f.line->isVisible());
        f.dm.TEntrada_discriminacao->setValue(QStringLiteral("CODIGOPRODUTO"), 901);
        const int i = f.line->ESSENCIA->findText(QStringLiteral("IPE"));
        f.line->ESSENCIA->setCurrentIndex(i);
        emit f.line->ESSENCIA->activated(i);
        f.line->DBComboBox1->setCurrentText(QStringLiteral("M/3"));
        for (auto [e, text] : {std::pair{f.line->COMPRIMENTO, "4"}, {f.line->DIAMETRO, "0,5"},
                               {f.line->DIAMETRO1, "0,45"}, {f.line->INDICE, "10"}, {f.line->VALUNITARIO, "120"}}) {
            QVERIFY(focusTo(e));
            e->setText(QString::fromLatin1(text));
            emit e->textEdited(QString::fromLatin1(text));
        }
        QVERIFY(focusTo(f.line->ALIQICMS));
        f.p.question("Confirma Lançamento?", "Confirmação", true)
            .question("Insere Outro Produto para esta Nota Fiscal?", "Confirmação", false);
        f.line->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);

        f.p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS where NF_NUMERO = 4521"), 1.0);
        QCOMPARE(f.count("select VOLUME_DECLARADO from NFE_TOROS N join ENTRADA_TOROS E on "
                         "E.NF_NUMERO = N.NF_NUMERO and E.CODIGOFORNECEDOR = N.CODIGOFORNECEDOR"),
                 30.0);
        QCOMPARE(f.count("select char_length(CHAVE) from NFE_TOROS"), 44.0);
        QCOMPARE(f.count("select sum(QUANTIDADE) from ENTRADA_TOROS_DISCRIMINACAO where NFNUMERO = 4521"), 0.81);
        QCOMPARE(f.count("select count(*) from FORNECEDOR"), 1.0);

        // The same invoice again: said so, nothing more.
        f.p.error("Nota Fiscal 004521 já lançada para este Fornecedor, Verifíque!", "Importar NF-e");
        f.importFile(nfesample::xml());
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.count("select count(*) from NFE_TOROS"), 1.0);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS"), 1.0);
    }

    void unknownSupplierOfferedForRegistration()
    {
        Fixture f;
        nfesample::Options bare;
        bare.envelope = false;
        bare.itemUnit = QStringLiteral("m3");
        // Declined: nothing at all.
        f.p.question("Fornecedor não cadastrado:*", "Importar NF-e", false);
        f.importFile(nfesample::xml(bare));
        QVERIFY_PROMPTS(f.p);
        f.nothingCreated(0);

        f.p.question("Fornecedor não cadastrado:\nSERRARIA FICTICIA DO VALE LTDA\nCNPJ 98765432000198\n\n"
                     "Cadastrar com os dados da NF-e?",
                     "Importar NF-e", true)
            .info("1 de 3*", "Importar NF-e");
        f.importFile(nfesample::xml(bare));
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.count("select count(*) from FORNECEDOR where CNPJ = '98765432000198' and CIDADE = 'SINOP' "
                         "and INSCESTADUAL = '131234567' and ENDERECO = 'ESTRADA DAS TORAS'"),
                 1.0);
        QCOMPARE(f.w->fornecedor->text(), QStringLiteral("SERRARIA FICTICIA DO VALE LTDA"));
        QCOMPARE(f.dm.TEntrada->value(QStringLiteral("CODIGOFORNECEDOR")).toDouble(),
                 f.count("select CODIGOFORNECEDOR from FORNECEDOR"));
        // Left unsaved: the supplier stays registered, no declared volume.
        f.w->BitBtn2->click();
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS"), 0.0);
        QCOMPARE(f.count("select count(*) from NFE_TOROS"), 0.0);
        QVERIFY(f.w->ImportarNFe->isEnabled());
    }

    void refusedFilesCreateNothing_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("message");
        QByteArray cut = nfesample::xml();
        cut.chop(300);
        QTest::newRow("malformed") << cut << "XML inválido*";
        QTest::newRow("not an NF-e") << QByteArray("<?xml version=\"1.0\"?><pedido><item/></pedido>")
                                     << "O arquivo não é uma NF-e*";
        nfesample::Options forged;
        forged.issuerCnpj = QStringLiteral("98765432000199");
        QTest::newRow("issuer CNPJ fails its check") << nfesample::xml(forged) << "CNPJ do emitente inválido*";
        nfesample::Options person;
        person.issuerCpf = QStringLiteral("12345678900");
        QTest::newRow("issuer CPF fails its check") << nfesample::xml(person) << "CPF do emitente inválido*";
    }
    void refusedFilesCreateNothing()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, message);
        Fixture f;
        f.p.error(message, "Importar NF-e");
        f.importFile(xml);
        QVERIFY_PROMPTS(f.p);
        f.nothingCreated(0);
    }
};

QTEST_MAIN(TestNfeImportWindow)
#include "tst_NfeImport.moc"
