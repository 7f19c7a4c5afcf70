#include "SalesTestKit.h"
#include "WindowTest.h"

#include "sawn/UnitSaidaMadeirasProdutos.h"
#include "widgets/DBEdit.h"

#include <QLabel>
#include <QPushButton>

using namespace salestest;

// The sale line window on its own: the invoice it belongs to is given as
// the invoice window gives it.
class TestSaidaMadeirasProdutos : public QObject
{
    Q_OBJECT

    struct Fixture : WindowFixture
    {
        QVariant cedro, ipe, tabua, viga, client;
        std::unique_ptr<QWidget> header;
        TfrmSaidaMadeirasProdutos *w = nullptr;

        Fixture()
        {
            cedro = addSpecies(dm, "CEDRO");
            ipe = addSpecies(dm, "IPE");
            tabua = addSubProduct(dm, "TABUA");
            viga = addSubProduct(dm, "VIGA");
            client = addClient(dm, "SERRARIA GAMA", "12345678000195", "555");
            header = std::make_unique<QWidget>();
            w = new TfrmSaidaMadeirasProdutos(&dm, header.get());
            header->show();
        }

        void open(int nf = 123)
        {
            w->startLine({client, nf, "SERRARIA GAMA", QVariant(12345678000195.0), "555", QDate(2024, 5, 2)});
            w->showFor(header.get(), w->CODIGOPRODUTO);
            QVERIFY(w->isVisible());
        }

        void typeLine(const QString &species, const QString &product, const QString &unit, const QString &q,
                      const QString &c, const QString &l, const QString &e, const QString &price)
        {
            choose(w->ESSENCIA, species);
            choose(w->ESSENCIATIPO, product);
            choose(w->UNIDADE, unit);
            typeInto(w->QUANTIDADE, q);
            typeInto(w->COMPRIMENTO, c);
            typeInto(w->LARGURA, l);
            typeInto(w->EXPESSURA, e);
            typeInto(w->VALUNITARIO, price);
        }

        // "&Gravar" with Yes to the confirmation and `another` to going on.
        void save(bool another = false)
        {
            p.question("Confirma Lançamento?", "Confirmação", true)
                .question("Insere Outro Produto para este Vendedor?", "Confirmação", another);
            w->BitBtn1->click();
        }

        int lines() { return int(number(dm, "select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO")); }
    };

private slots:
    // M/3: 10 x 3,00 x 0,20 x 0,050 = 0,3 at 450,00 gives 135; the line
    // keeps the invoice's number, client and date.
    void volumeLineStored()
    {
        Fixture f;
        addIntake(f.dm, f.cedro, f.tabua, 1.0);
        f.open();
        f.typeLine("CEDRO", "TABUA", "M/3", "10", "3,00", "0,20", "0,050", "450,00");
        QCOMPARE(f.w->SALDO->text(), QStringLiteral("1,0000"));
        QCOMPARE(f.w->LabelTotal->text(), QStringLiteral("Total M/3"));
        QCOMPARE(f.w->TOTALM3->text(), QStringLiteral("0,3000"));
        QCOMPARE(f.w->VALTOTAL->text(), QStringLiteral("135,00"));
        f.save();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(!f.w->isVisible());
        data::Table t(f.dm.IBDatabase1, "SAIDA_MADEIRAS_DISCRIMINACAO", "CODDISCRIMINACAO");
        t.open();
        QCOMPARE(t.recordCount(), 1);
        QCOMPARE(t.asDouble("TOTALM3"), 0.3);
        QCOMPARE(t.asDouble("VALTOTAL"), 135.0);
        QCOMPARE(t.asDouble("NFNUMERO"), 123.0);
        QCOMPARE(t.value("CODIGOFORNECEDOR").toDouble(), f.client.toDouble());
        QCOMPARE(t.value("CODIGOPRODUTO").toDouble(), f.tabua.toDouble());
        QCOMPARE(t.value("CODIGOESSENCIA").toDouble(), f.cedro.toDouble());
        QCOMPARE(t.asString("FORNECEDOR"), QStringLiteral("SERRARIA GAMA"));
        QCOMPARE(t.value("DATALANCAMENTO").toDate(), QDate(2024, 5, 2));
        QCOMPARE(t.asDouble("CPF"), 12345678000195.0);
    }

    // M/2: 4 x 2,50 x 0,30 = 3 square metres, the thickness unused; "PC"
    // computes nothing, leaves the total empty and the value 0, and passes
    // with no balance at all.
    void areaAndPieceLines()
    {
        Fixture f;
        addIntake(f.dm, f.cedro, f.tabua, 5);
        f.open();
        f.typeLine("CEDRO", "TABUA", "M/2", "4", "2,50", "0,30", "0,900", "10,00");
        QCOMPARE(f.w->LabelTotal->text(), QStringLiteral("Total M/2"));
        QCOMPARE(f.w->TOTALM3->text(), QStringLiteral("3,00"));
        QCOMPARE(f.w->SALDO->text(), QStringLiteral("5,00"));
        QCOMPARE(f.w->VALTOTAL->text(), QStringLiteral("30,00"));
        f.save(true);
        QVERIFY_PROMPTS(f.p);
        QVERIFY(f.w->isVisible());
        QCOMPARE(f.w->SALDO->text(), QStringLiteral("0,00")); // none until a product is chosen again
        f.typeLine("IPE", "VIGA", "PC", "7", "2,00", "0,10", "0,100", "9,00");
        QVERIFY(f.w->TOTALM3->text().isEmpty() || f.w->TOTALM3->value() == 0);
        QCOMPARE(f.w->VALTOTAL->value(), 0.0);
        f.save();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.lines(), 2);
        QCOMPARE(number(f.dm, "select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO where UNIDADE = 'PC' "
                              "and TOTALM3 is null and VALTOTAL = 0"), 1.0);
        QCOMPARE(number(f.dm, "select count(*) from SAIDA_MADEIRAS_DISCRIMINACAO where NFNUMERO = 123 "
                              "and CODIGOFORNECEDOR = :c", {{"c", f.client}}), 2.0);
    }

    // A balance of 0,9999 refuses 1,0000 with the focus on the quantity;
    // once it is 1,0000 the same line passes. No movement at all gives 0.
    void balanceBoundary()
    {
        Fixture f;
        f.open();
        f.typeLine("CEDRO", "TABUA", "M/3", "10", "1,00", "1,00", "0,100", "1,00");
        QCOMPARE(f.w->SALDO->text(), QStringLiteral("0,0000"));
        addIntake(f.dm, f.cedro, f.tabua, 0.9999);
        f.p.info("Total M/3, maior que saldo disponivel, Verifique!", "Lançamento");
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.w->SALDO->text(), QStringLiteral("0,9999"));
        QVERIFY(f.w->QUANTIDADE->hasFocus());
        QCOMPARE(f.lines(), 0);
        addIntake(f.dm, f.cedro, f.tabua, 0.0001);
        typeInto(f.w->QUANTIDADE, "10"); // entering it set it to 1
        f.save();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.lines(), 1);
    }

    // The volume follows the figures as they stand: a quantity raised after
    // the thickness was left gives a larger volume, which the balance refuses.
    void changedQuantityIsChecked()
    {
        Fixture f;
        addIntake(f.dm, f.cedro, f.tabua, 0.3);
        f.open();
        f.typeLine("CEDRO", "TABUA", "M/3", "10", "3,00", "0,20", "0,050", "450,00");
        QCOMPARE(f.w->TOTALM3->text(), QStringLiteral("0,3000"));
        typeInto(f.w->QUANTIDADE, "20");
        QCOMPARE(f.w->TOTALM3->text(), QStringLiteral("0,6000"));
        QCOMPARE(f.w->VALTOTAL->text(), QStringLiteral("270,00"));
        f.p.info("Total M/3, maior que saldo disponivel, Verifique!", "Lançamento");
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.lines(), 0);
        // A width changed back down fits again, and is stored as it stands.
        typeInto(f.w->LARGURA, "0,10");
        f.save();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(number(f.dm, "select TOTALM3 from SAIDA_MADEIRAS_DISCRIMINACAO"), 0.3);
        QCOMPARE(number(f.dm, "select VALTOTAL from SAIDA_MADEIRAS_DISCRIMINACAO"), 135.0);
    }

    // Product before species: no balance is computed, and the save asks for
    // the species first; choosing it then shows the balance.
    void productBeforeSpecies()
    {
        Fixture f;
        addIntake(f.dm, f.cedro, f.tabua, 2.5);
        addIntake(f.dm, QVariant(), f.tabua, 9); // a row without species must not count
        f.open();
        choose(f.w->ESSENCIATIPO, "TABUA");
        QVERIFY(!f.w->balanceKnown());
        QCOMPARE(f.w->SALDO->text(), QStringLiteral("0,0000"));
        f.p.info("Essência deve ser informada!", "Lançamento");
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(f.w->ESSENCIA->hasFocus());
        choose(f.w->ESSENCIA, "CEDRO");
        QVERIFY(f.w->balanceKnown());
        QCOMPARE(f.w->SALDO->text(), QStringLiteral("2,5000"));
    }

    // The checks in their order, each with its field; a price of zero and a
    // quantity of zero are refused; "&Retornar" stores nothing.
    void checksAndReturn()
    {
        Fixture f;
        addIntake(f.dm, f.cedro, f.tabua, 9);
        f.open();
        auto refused = [&](const char *text, QWidget *focus) {
            f.p.info(text, "Lançamento");
            f.w->BitBtn1->click();
            QVERIFY_PROMPTS(f.p);
            QVERIFY2(focus->hasFocus(), text);
        };
        choose(f.w->ESSENCIA, "CEDRO");
        refused("Essência Tipo deve ser informada!", f.w->ESSENCIATIPO);
        choose(f.w->ESSENCIATIPO, "TABUA");
        refused("Unidade deve ser informada!", f.w->UNIDADE);
        choose(f.w->UNIDADE, "M/3");
        typeInto(f.w->QUANTIDADE, "0");
        refused("Quantidade deve ser informada!", f.w->QUANTIDADE);
        typeInto(f.w->QUANTIDADE, "2");
        refused("Valor Unitário deve ser informado!", f.w->VALUNITARIO);
        typeInto(f.w->VALUNITARIO, "5,00");
        f.w->BitBtn3->click();
        QVERIFY(!f.w->isVisible());
        QCOMPARE(f.lines(), 0);
        QVERIFY(!f.dm.TSaida_Discriminacao->isEditing());
    }

    // Entering the quantity sets it to 1; no decimal separator is taken.
    void quantityWholePieces()
    {
        Fixture f;
        f.open();
        QVERIFY(focusTo(f.w->QUANTIDADE));
        QCOMPARE(f.w->QUANTIDADE->value(), 1.0);
        f.w->QUANTIDADE->selectAll();
        QTest::keyClicks(f.w->QUANTIDADE, "12,5");
        QCOMPARE(f.w->QUANTIDADE->text(), QStringLiteral("125"));
    }

    // Leaving "Aliquota ICMS" saves the line; the next line's balance counts
    // the line just posted.
    void leavingRateSaves()
    {
        Fixture f;
        addIntake(f.dm, f.cedro, f.tabua, 1.0);
        f.open();
        f.typeLine("CEDRO", "TABUA", "M/3", "10", "3,00", "0,20", "0,050", "450,00");
        f.p.question("Confirma Lançamento?", "Confirmação", true)
            .question("Insere Outro Produto para este Vendedor?", "Confirmação", true);
        typeInto(f.w->ALIQICMS, "12");
        QTest::keyClick(f.w->ALIQICMS, Qt::Key_Tab);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.lines(), 1);
        choose(f.w->ESSENCIA, "CEDRO");
        choose(f.w->ESSENCIATIPO, "TABUA");
        QCOMPARE(f.w->SALDO->text(), QStringLiteral("0,7000"));
        QCOMPARE(f.w->balance().output, 0.3);
    }
};

QTEST_MAIN(TestSaidaMadeirasProdutos)
#include "tst_SaidaMadeirasProdutos.moc"
