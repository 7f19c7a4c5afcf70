#include "MovementFixture.h"
#include "SalesTestKit.h"

#include "reports/ReportDocument.h"
#include "reports/UnitRepSaida.h"
#include "rules/SawnBalance.h"
#include "sawn/UnitSaidaMadeiras.h"
#include "sawn/UnitSaidaMadeirasProdutos.h"
#include "statements/UnitPesquisa3.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/WindowRegistry.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

using namespace salestest;

// The sale invoice window with its line window and the client picker, as
// the user drives them.
class TestSaidaMadeiras : public QObject
{
    Q_OBJECT

    struct Fixture : MovementFixture<TfrmSaidaMadeiras, TfrmSaidaMadeirasProdutos, TfrmPesquisa3>
    {
        QVariant cedro, tabua, alfa, beta;

        explicit Fixture(bool clients = true)
        {
            cedro = addSpecies(dm, "CEDRO");
            tabua = addSubProduct(dm, "TABUA");
            if (clients) {
                alfa = addClient(dm, "COMERCIAL ALFA", "11222333000181", "IE-A");
                beta = addClient(dm, "COMERCIAL BETA", "44555666000172", "IE-B");
            }
            addRow(dm, "MUNICIPIO", "COD_MUNIC", {{"COD_MUNIC", 1}, {"NOM_MUNIC", "SINOP"}, {"SIG_UF", "MT"}});
            addIntake(dm, cedro, tabua, 1.0);
            openWithPicker(&TfrmSaidaMadeiras::setClientPicker, {1200, 760});
            activate(w.get());
        }

        // "&Incluir" and the client chosen in the picker, then the number typed.
        void newInvoice(const QString &client, const QString &number)
        {
            pickWhenShown(picker, picker->Edit1, client);
            w->BitBtn4->click();
            QVERIFY(!picker->isVisible());
            QVERIFY(activate(w.get()));
            QVERIFY(w->nota->hasFocus());
            typeInto(w->nota, number);
            QVERIFY(focusTo(w->data)); // leaves the number, enters the date: today
        }

        // Line "Incluir", one line typed and saved, the line window closed.
        void addLine(const QString &q, const QString &c, const QString &l, const QString &e, const QString &price)
        {
            w->BitBtn12->click();
            QVERIFY(line->isVisible());
            choose(line->ESSENCIA, "CEDRO");
            choose(line->ESSENCIATIPO, "TABUA");
            choose(line->UNIDADE, "M/3");
            typeInto(line->QUANTIDADE, q);
            typeInto(line->COMPRIMENTO, c);
            typeInto(line->LARGURA, l);
            typeInto(line->EXPESSURA, e);
            typeInto(line->VALUNITARIO, price);
            p.question("Confirma Lançamento?", "Confirmação", true)
                .question("Insere Outro Produto para este Vendedor?", "Confirmação", false);
            line->BitBtn1->click();
            QVERIFY_PROMPTS(p);
            QVERIFY(!line->isVisible());
        }

        void fillHeader()
        {
            typeInto(w->NOME_TRANSPORTADOR, "TRANSPORTES DELTA");
            QVERIFY(focusTo(w->data));
            QVERIFY(focusTo(w->saida));
            QVERIFY(focusTo(w->totalnota)); // takes the products total
        }

        double value(const QString &sql, const QVariantMap &params = {}) { return number(dm, sql, params); }
    };

private slots:
    void noClientsNoInvoice()
    {
        Fixture f(false);
        f.p.warning("Não há Cliente(s) Cadastrado(s), Verifíque!", "Saída");
        f.w->BitBtn4->click();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(!f.dm.TSaida->isActive());
        QVERIFY(f.w->BitBtn4->isEnabled());
    }

    // The whole road: client, number, one line, totals, the header saved.
    void invoiceSaved()
    {
        Fixture f;
        f.newInvoice("COMERCIAL A", "123");
        QCOMPARE(f.w->fornecedor->text(), QStringLiteral("COMERCIAL ALFA"));
        QCOMPARE(f.w->inscricao->text(), QStringLiteral("IE-A"));
        QCOMPARE(f.w->data->date(), QDate::currentDate());
        f.addLine("10", "3,00", "0,20", "0,050", "450,00");
        QVERIFY(f.w->DBGrid2->isVisible());
        QCOMPARE(f.w->totalproduto->text(), QStringLiteral("135,00"));
        QCOMPARE(f.w->quantidade->value(), 0.3);
        QVERIFY(f.w->BitBtn9->isEnabled());
        f.fillHeader();
        QCOMPARE(f.w->totalnota->value(), 135.0);
        f.p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(!f.w->isVisible());
        QCOMPARE(f.value("select count(*) from SAIDA_MADEIRAS where NF_NUMERO = 123 and CODIGOFORNECEDOR = :c "
                         "and QUANTIDADE = 0.3 and VALOR_TOTAL_PRODUTOS = 135 and RAZAO_SOCIAL = 'COMERCIAL ALFA'",
                         {{"c", f.alfa}}), 1.0);
        QCOMPARE(f.value("select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO where NFNUMERO = 123 and "
                         "CODIGOFORNECEDOR = :c", {{"c", f.alfa}}), 1.0);
    }

    // A client whose CNPJ has letters: the number column CGC stays empty (it
    // cannot hold them), the database keeps the CNPJ beside the header, the
    // lines hold 0 and the invoice list prints the CNPJ with its mask.
    void clientWithLettersInCnpj()
    {
        Fixture f;
        const QVariant gama = addClient(f.dm, "COMERCIAL GAMA", "12ABC34501DE35", "IE-G");
        f.newInvoice("COMERCIAL G", "124");
        QCOMPARE(f.w->fornecedor->text(), QStringLiteral("COMERCIAL GAMA"));
        f.addLine("10", "3,00", "0,20", "0,050", "450,00");
        f.fillHeader();
        f.p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.value("select count(*) from SAIDA_MADEIRAS S join SAIDA_MADEIRAS_CNPJ X on X.CODIGOSAIDA = "
                         "S.CODIGOSAIDA where S.NF_NUMERO = 124 and S.CGC is null and X.CNPJ = '12ABC34501DE35'"),
                 1.0);
        QCOMPARE(f.value("select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO where NFNUMERO = 124 and CPF = 0 and "
                         "CODIGOFORNECEDOR = :c", {{"c", gama}}),
                 1.0);

        const QDate today = QDate::currentDate();
        reports::ReportDocument doc(reports::RepSaida({{"INICIO", today}, {"FIM", today}}), f.dm.IBDatabase1);
        doc.layoutAll();
        const QString page = doc.pageLines(0).join(u'\n');
        QVERIFY2(page.contains(QStringLiteral("COMERCIAL GAMA 12.ABC.345/01DE-35")), qPrintable(page));

        // A number written into CGC later leaves nothing beside the header;
        // deleting the header takes its CNPJ along.
        data::execute(f.dm.IBDatabase1, QStringLiteral("update SAIDA_MADEIRAS set CGC = 11222333000181 where NF_NUMERO = 124"));
        QCOMPARE(f.value("select count(*) from SAIDA_MADEIRAS_CNPJ"), 0.0);
        data::execute(f.dm.IBDatabase1, QStringLiteral("update SAIDA_MADEIRAS set CGC = null where NF_NUMERO = 124"));
        QCOMPARE(f.value("select count(*) from SAIDA_MADEIRAS_CNPJ"), 1.0);
        data::execute(f.dm.IBDatabase1, QStringLiteral("delete from SAIDA_MADEIRAS where NF_NUMERO = 124"));
        QCOMPARE(f.value("select count(*) from SAIDA_MADEIRAS_CNPJ"), 0.0);
    }

    // A number the client already has is refused before any line is typed;
    // another client's lines under the same number are not this invoice's.
    void numberPerClient()
    {
        Fixture f;
        data::execute(f.dm.IBDatabase1, "insert into SAIDA_MADEIRAS (NF_NUMERO, CODIGOFORNECEDOR, RAZAO_SOCIAL) "
                                        "values (123, :c, 'COMERCIAL ALFA')", {{"c", f.alfa}});
        data::execute(f.dm.IBDatabase1, "insert into SAIDA_MADEIRAS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, "
                                        "TOTALM3, VALTOTAL, CPF) values (77, :c, 5, 500, 0)", {{"c", f.beta}});
        f.newInvoice("COMERCIAL A", "123");
        f.p.info("Nota Fiscal 000123 já lançada para este Cliente, Verifíque!", "Lançamento");
        f.w->BitBtn12->click();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(!f.line->isVisible());
        QVERIFY(f.w->nota->hasFocus());
        typeInto(f.w->nota, "77");
        QVERIFY(focusTo(f.w->saida));
        QVERIFY(f.w->DBGrid3->isVisible()); // BETA's lines are not shown
        f.addLine("10", "3,00", "0,20", "0,050", "450,00");
        QCOMPARE(f.w->totalproduto->text(), QStringLiteral("135,00"));
        QCOMPARE(f.dm.TSaida_Discriminacao->recordCount(), 1);
    }

    // Header volumes are stored as shown, 1,23456 as 1,235; deleting the
    // only line leaves 0,00 and 0,000; "&Cancelar" waits for the lines to go.
    void totalsAndLineDeletion()
    {
        Fixture f;
        f.newInvoice("COMERCIAL A", "9");
        data::execute(f.dm.IBDatabase1, "insert into SAIDA_MADEIRAS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, "
                                        "TOTALM3, VALTOTAL, CPF) values (9, :c, 1.23456, 10.5, 0)", {{"c", f.alfa}});
        QVERIFY(focusTo(f.w->nota));
        QVERIFY(focusTo(f.w->saida));
        QCOMPARE(f.w->quantidade->text(), QStringLiteral("1,235"));
        QCOMPARE(f.dm.TSaida->asDouble("QUANTIDADE"), 1.235);
        f.p.error("Para cancelamento deste lançamento, exclua primeiro o(s) produto(s) informado(s)!", "Lançamento");
        f.w->BitBtn2->click();
        QVERIFY_PROMPTS(f.p);
        f.p.question("Deseja Excluir esse produto?", "Confirmação", true);
        f.w->BitBtn9->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.w->totalproduto->text(), QStringLiteral("0,00"));
        QCOMPARE(f.w->quantidade->value(), 0.0);
        QCOMPARE(f.dm.TSaida->asDouble("QUANTIDADE"), 0.0);
        QVERIFY(f.w->DBGrid3->isVisible());
        f.w->BitBtn2->click();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(!f.dm.TSaida->isActive());
        QVERIFY(f.w->BitBtn4->isEnabled());
    }

    // The fields' events: the hour mask, the carrier's state from the
    // municipality, the taxes on leaving the rates, the net-weight question,
    // and "Outras Despesas" saving only with a line.
    void fieldEvents()
    {
        Fixture f;
        f.newInvoice("COMERCIAL A", "321");
        typeInto(f.w->maskedit1, "093");
        f.p.error("Hora Informada Inválida, Verifique!", "Informação");
        focusTo(f.w->NOME_TRANSPORTADOR); // refused: the focus goes back to the hour
        QVERIFY_PROMPTS(f.p);
        QVERIFY(f.w->maskedit1->hasFocus());
        typeInto(f.w->maskedit1, "0930");
        QVERIFY(focusTo(f.w->NOME_TRANSPORTADOR));
        QCOMPARE(f.dm.TSaida->asString("HORA_SAIDA"), QStringLiteral("0930"));
        choose(f.w->MUNICIPIO_TRANSPORTADOR, "SINOP");
        QVERIFY(focusTo(f.w->IE_TRANSPORTADOR));
        QCOMPARE(f.w->UF_TRANSPORTADOR->text(), QStringLiteral("MT"));
        f.p.question("Deseja Inserir Produtos Agora?", "Confirmação", false);
        QVERIFY(focusTo(f.w->PESO_LIQUIDO));
        focusTo(f.w->PESO_BRUTO); // No: the focus goes to the invoice total
        QVERIFY_PROMPTS(f.p);
        QVERIFY(f.w->totalnota->hasFocus());
        typeInto(f.w->bcicms, "1000,00");
        typeInto(f.w->aliqicms, "17");
        typeInto(f.w->bcfunrural, "200,00");
        typeInto(f.w->aliqfunrural, "2,3");
        QVERIFY(focusTo(f.w->VALOR_FRETE));
        QCOMPARE(f.dm.TSaida->asDouble("VALOR_ICMS"), 170.0);
        QCOMPARE(f.dm.TSaida->asDouble("VALOR_FUNRURAL"), 4.6);
        f.p.error("Deve-se informar pelo menos 01(um) produto para esta Nota Fiscal!", "Informação");
        QVERIFY(focusTo(f.w->OUTRAS_DESPESAS));
        QVERIFY(focusTo(f.w->VALOR_SEGURO));
        QVERIFY_PROMPTS(f.p);
        f.addLine("10", "3,00", "0,20", "0,050", "450,00");
        f.fillHeader();
        f.p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
        QVERIFY(focusTo(f.w->OUTRAS_DESPESAS));
        focusTo(f.w->VALOR_SEGURO); // leaving saves, and the window closes
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.value("select count(*) from SAIDA_MADEIRAS where NF_NUMERO = 321"), 1.0);
    }

    // The save's checks: an empty number is refused before any question.
    void saveChecks()
    {
        Fixture f;
        f.newInvoice("COMERCIAL A", "0");
        QCOMPARE(f.w->nota->text(), QStringLiteral("000000"));
        f.p.info("Numero da Nota Fiscal deve ser informado!", "Lançamento");
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        typeInto(f.w->nota, "5");
        f.p.info("Data da Saida deve ser informada!", "Lançamento");
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(f.w->saida->hasFocus());
    }

    // Deleting an invoice from the search page takes its lines with it and
    // gives their volume back to the balance; the other client's invoice
    // lines under its number stay.
    void searchAndDelete()
    {
        Fixture f;
        f.newInvoice("COMERCIAL A", "40");
        f.addLine("10", "3,00", "0,20", "0,050", "450,00");
        f.fillHeader();
        f.p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        data::execute(f.dm.IBDatabase1, "insert into SAIDA_MADEIRAS_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, "
                                        "TOTALM3, VALTOTAL, CPF, CODIGOESSENCIA, CODIGOPRODUTO) "
                                        "values (40, :c, 0.1, 1, 0, :s, :p)",
                      {{"c", f.beta}, {"s", f.cedro}, {"p", f.tabua}});
        QCOMPARE(rules::SawnBalance::of(f.dm.IBDatabase1, f.cedro, f.tabua).balance, 0.6);

        f.w->show();
        QVERIFY(activate(f.w.get()));
        f.w->BitBtn6->click();
        QCOMPARE(f.w->PageControl1->currentIndex(), 1);
        QVERIFY(f.w->BitBtn7->isVisible());
        f.p.info("Fornecedor deve ser informado!", "Informação");
        f.w->BitBtn8->click();
        QVERIFY_PROMPTS(f.p);
        choose(f.w->fornecedor1, "COMERCIAL ALFA");
        f.w->BitBtn8->click();
        QVERIFY(f.w->BitBtn13->isVisible());
        QCOMPARE(f.dm.TSaida1->recordCount(), 1);
        QCOMPARE(f.dm.TSaida_Discriminacao1->recordCount(), 1); // ALFA's line only
        f.p.question("Confirma Exclusão?", "Confirmação", true);
        f.w->BitBtn13->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.value("select count(*) from SAIDA_MADEIRAS"), 0.0);
        QCOMPARE(f.value("select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO"), 1.0);
        QCOMPARE(rules::SawnBalance::of(f.dm.IBDatabase1, f.cedro, f.tabua).balance, 0.9);
        f.p.error("Não há Lançamento(s) para ser(em) excluído(s)!", "Pesquisa");
        f.w->BitBtn13->click();
        QVERIFY_PROMPTS(f.p);
        QTest::keyClick(f.w.get(), Qt::Key_Escape);
        QVERIFY(!f.w->isVisible());
    }

    // The picker closes without a choice; the save then asks for the client
    // and shows the picker again.
    void pickerClosedWithoutClient()
    {
        Fixture f;
        whenActive(f.picker, [&] { QTest::keyClick(f.picker->Edit1, Qt::Key_Escape); });
        f.w->BitBtn4->click();
        QVERIFY(!f.picker->isVisible());
        QVERIFY(f.w->fornecedor->text().isEmpty());
        pickWhenShown(f.picker, f.picker->Edit1, "COMERCIAL B");
        f.p.info("Fornecedor deve ser informado!", "Lançamento");
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.w->fornecedor->text(), QStringLiteral("COMERCIAL BETA"));
    }
};

QTEST_MAIN(TestSaidaMadeiras)
#include "tst_SaidaMadeiras.moc"
