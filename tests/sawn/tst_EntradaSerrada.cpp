#include "../logs/LogsTestKit.h"
#include "MovementFixture.h"

#include "ReportTestKit.h"
#include "data/Statement.h"
#include "reports/UnitRepEntrada2.h"
#include "sawn/UnitEntradaSerrada.h"
#include "sawn/UnitEntradaSerradaProdutos.h"
#include "statements/UnitPesquisaEntrada.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/WindowRegistry.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

using namespace logstest;

namespace {

// Alt and a letter: a button so pressed clicks a moment later.
void altKey(Qt::Key key)
{
    keyTo(key, Qt::AltModifier);
    QTest::qWait(250);
}

} // namespace

class TestEntradaSerrada : public QObject
{
    Q_OBJECT

    struct Fixture : MovementFixture<TfrmEntradaSerrada, TfrmEntradaSerradaProdutos, TfrmPesquisa>
    {
        QVariant cedro, supplierA, supplierB, tabua, viga;

        explicit Fixture(bool withSuppliers = true)
        {
            cedro = addSpecies(dm, QStringLiteral("CEDRO"));
            addSpecies(dm, QStringLiteral("IPE"));
            if (withSuppliers) {
                supplierA = addSupplier(dm, QStringLiteral("MADEIREIRA ALFA"), QStringLiteral("12345678909"),
                                        QStringLiteral("111"));
                supplierB = addSupplier(dm, QStringLiteral("MADEIREIRA BETA"), QStringLiteral("98765432100"),
                                        QStringLiteral("222"));
            }
            // The lines keep the supplier's CNPJ, which they require.
            data::execute(dm.IBDatabase1, QStringLiteral("update FORNECEDOR set CNPJ = '12345678000195' where "
                                                         "NOMEFORNECEDOR = 'MADEIREIRA ALFA'"));
            tabua = addProduct(QStringLiteral("TABUA"));
            viga = addProduct(QStringLiteral("VIGA"));
            openWithPicker(&TfrmEntradaSerrada::setSupplierPicker, {900, 600});
            w->activateWindow();
            QApplication::setActiveWindow(w.get());
            if (!QTest::qWaitForWindowActive(w.get()))
                qWarning("the sawn intake never became the active window");
        }

        QVariant addProduct(const QString &name)
        {
            data::execute(dm.IBDatabase1, QStringLiteral("insert into SUBPRODUTO (NOMEGRAU) values (:n)"),
                          {{QStringLiteral("n"), name}});
            return data::firstRow(dm.IBDatabase1, QStringLiteral("select GRAUIND from SUBPRODUTO where NOMEGRAU = :n"),
                                  {{QStringLiteral("n"), name}})
                .value(0);
        }

        QVariant scalar(const QString &sql) { return data::firstRow(dm.IBDatabase1, sql).value(0); }

        // "&Incluir" by its Alt letter, the supplier chosen in the picker by
        // typing its name; then the number typed and left with Tab.
        void newInvoice(const QString &supplier, const QString &number)
        {
            whenModalActive([this, supplier](QWidget *) {
                QTest::keyClicks(picker->Edit1, supplier.toLower());
                picker->BitBtn1->click();
            });
            altKey(Qt::Key_I);
            QVERIFY(activatedAgain(w.get()));
            QCOMPARE(w->RAZAO_SOCIAL->text(), supplier);
            QVERIFY(w->nota->hasFocus());
            w->nota->selectAll();
            QTest::keyClicks(w->nota, number);
            keyTo(Qt::Key_Tab);
            // "No" to an invoice already entered puts the focus back on the number.
            QTRY_VERIFY(w->data->hasFocus() || (!w->BitBtn7->isEnabled() && w->nota->hasFocus()));
        }

        void choose(widgets::DBLookupComboBox *combo, const QString &name)
        {
            const int i = combo->findText(name);
            QVERIFY(i >= 0);
            combo->setCurrentIndex(i);
            emit combo->activated(i);
        }

        // Types a line and leaves "Valor Unitário" with Tab, which saves it.
        void typeLine(const QString &species, const QString &product, const QString &quantity, const QString &price)
        {
            QVERIFY(line->isVisible());
            choose(line->ESSENCIA, species);
            choose(line->ESSENCIATIPO, product);
            QVERIFY(focusTo(line->QUANTIDADE));
            line->QUANTIDADE->selectAll();
            QTest::keyClicks(line->QUANTIDADE, quantity);
            keyTo(Qt::Key_Tab);
            QVERIFY(line->VALUNITARIO->hasFocus());
            line->VALUNITARIO->selectAll();
            QTest::keyClicks(line->VALUNITARIO, price);
            keyTo(Qt::Key_Tab);
        }
    };

private slots:
    // A whole invoice as the user enters it: supplier, number, two lines,
    // the totals, the save. The header keeps the number it was entered under.
    void invoiceEnteredAndSaved()
    {
        Fixture f;
        QVERIFY(f.w->BitBtn4->hasFocus());
        f.newInvoice(QStringLiteral("MADEIREIRA ALFA"), QStringLiteral("123"));
        QCOMPARE(f.w->data->date(), QDate::currentDate());
        QCOMPARE(f.w->g->title(), QStringLiteral("Produtos > 0"));

        f.w->BitBtn12->click();
        QTRY_VERIFY(f.line->DBEDIT1->hasFocus());
        f.p.question("Confirma Lançamento?", "Confirmação", true)
            .question("Insere Outro Produto para esta Nota Fiscal?", "Confirmação", true);
        f.typeLine("CEDRO", "TABUA", "12,5", "80");
        QVERIFY_PROMPTS(f.p);
        QTRY_VERIFY(f.line->DBEDIT1->hasFocus());
        f.p.question("Confirma Lançamento?", "Confirmação", true)
            .question("Insere Outro Produto para esta Nota Fiscal?", "Confirmação", false);
        f.typeLine("CEDRO", "VIGA", "1,2346", "10");
        QVERIFY_PROMPTS(f.p);
        QVERIFY(!f.line->isVisible());
        QVERIFY(f.w->DBGrid2->isVisible());
        QCOMPARE(f.w->g->title(), QStringLiteral("Produtos > 2"));
        QCOMPARE(f.w->m3->text(), QStringLiteral("13,735"));
        QCOMPARE(f.w->valtotal->text(), QStringLiteral("1012,35"));
        QVERIFY(f.w->BitBtn10->isEnabled() && f.w->BitBtn11->isEnabled() && f.w->BitBtn7->isEnabled());

        QVERIFY(activatedAgain(f.w.get()));
        f.p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
        altKey(Qt::Key_G);
        QVERIFY_PROMPTS(f.p);
        QVERIFY(!f.w->isVisible());

        QCOMPARE(f.scalar("select count(*) from ENTRADA_SERRADA").toInt(), 1);
        QCOMPARE(f.scalar("select NF_NUMERO from ENTRADA_SERRADA").toInt(), 123);
        QCOMPARE(f.scalar("select CODIGOFORNECEDOR from ENTRADA_SERRADA").toInt(), f.supplierA.toInt());
        QCOMPARE(f.scalar("select RAZAO_SOCIAL from ENTRADA_SERRADA").toString(), QStringLiteral("MADEIREIRA ALFA"));
        QCOMPARE(f.scalar("select count(*) from ENTRADA_SERRADA_DISCRIMINACAO where NFNUMERO = 123 and "
                          "CODIGOFORNECEDOR = " + f.supplierA.toString() + " and SITUACAO = 0 and CODIGOESSENCIA = "
                          + f.cedro.toString() + " and FORNECEDOR = 'MADEIREIRA ALFA' and INSCRICAO = '111'")
                     .toInt(),
                 2);
        QCOMPARE(f.scalar("select VALTOTAL from ENTRADA_SERRADA_DISCRIMINACAO where CODIGOPRODUTO = "
                          + f.tabua.toString())
                     .toDouble(),
                 1000.0);
        QCOMPARE(f.scalar("select ESSENCIATIPO from ENTRADA_SERRADA_DISCRIMINACAO where CODIGOPRODUTO = "
                          + f.viga.toString())
                     .toString(),
                 QStringLiteral("VIGA"));
        QCOMPARE(f.scalar("select cast(max(DATALANCAMENTO) as date) from ENTRADA_SERRADA_DISCRIMINACAO").toDate(),
                 QDate::currentDate());

        // The sawn-wood invoice list prints the number.
        data::execute(f.dm.IBDatabase1, QStringLiteral("insert into MANUTENCAO (NOMEEMPRESA) values ('SERRARIA')"));
        QString error;
        const QString text = reporttest::reportText(
            reports::RepEntrada2({{QStringLiteral("INICIO"), QDate::currentDate()},
                                  {QStringLiteral("FIM"), QDate::currentDate()}}),
            f.dm.IBDatabase1, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(text.contains(QRegularExpression(
                     QStringLiteral("000123\\s+%1\\s+MADEIREIRA ALFA").arg(QDate::currentDate().toString("dd/MM/yyyy")))),
                 qPrintable(text));
    }

    // Typing the number of an invoice already entered for the same supplier
    // lists its lines and asks; the same number with another supplier lists
    // nothing. "No" puts the focus back on the number.
    void numberAlreadyEntered()
    {
        Fixture f;
        data::execute(f.dm.IBDatabase1,
                      QStringLiteral("insert into ENTRADA_SERRADA_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, QUANTIDADE, "
                                     "VALTOTAL, SITUACAO, CPF) values (77, :f, 2.5, 100, 0, 1)"),
                      {{QStringLiteral("f"), f.supplierA}});
        const QString question = QStringLiteral("Já possui lançamento para o numero de Nota Fiscal informado, do "
                                                "Fornecedor selecionado, Deseja Continuar?");
        f.p.question(question, "Confirmação", true);
        f.newInvoice(QStringLiteral("MADEIREIRA ALFA"), QStringLiteral("77"));
        QVERIFY_PROMPTS(f.p);
        QVERIFY(f.w->DBGrid2->isVisible());
        QCOMPARE(f.w->g->title(), QStringLiteral("Produtos > 1"));
        QCOMPARE(f.w->m3->text(), QStringLiteral("2,500"));
        QVERIFY(f.w->BitBtn7->isEnabled());

        altKey(Qt::Key_C); // "&Cancelar"
        QCOMPARE(f.w->g->title(), QStringLiteral("Produtos "));
        QCOMPARE(f.w->nota->value(), 0);
        QVERIFY(!f.w->BitBtn7->isEnabled());
        QCOMPARE(f.scalar("select count(*) from ENTRADA_SERRADA_DISCRIMINACAO").toInt(), 1);

        f.newInvoice(QStringLiteral("MADEIREIRA BETA"), QStringLiteral("77"));
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.w->g->title(), QStringLiteral("Produtos > 0"));
        QVERIFY(!f.w->DBGrid2->isVisible());

        altKey(Qt::Key_C);
        f.p.question(question, "Confirmação", false);
        f.newInvoice(QStringLiteral("MADEIREIRA ALFA"), QStringLiteral("77"));
        QVERIFY_PROMPTS(f.p);
        QVERIFY(f.w->nota->hasFocus());
        QVERIFY(!f.w->BitBtn7->isEnabled());
        QCOMPARE(f.w->g->title(), QStringLiteral("Produtos > 0"));
    }

    // The header's checks in order, then the line window's.
    void checksInOrder()
    {
        Fixture f;
        f.p.info("Fornecedor deve ser informado!", "Lançamento");
        altKey(Qt::Key_G);
        QVERIFY_PROMPTS(f.p);

        // The picker returned without a supplier: the box goes back to 0.
        whenModalActive([&f](QWidget *) { f.picker->BitBtn2->click(); });
        altKey(Qt::Key_I);
        QVERIFY(activatedAgain(f.w.get()));
        QCOMPARE(f.w->nota->value(), 0);
        f.p.info("Fornecedor deve ser informado!", "Lançamento");
        altKey(Qt::Key_G);
        QVERIFY_PROMPTS(f.p);
        altKey(Qt::Key_C);

        f.newInvoice(QStringLiteral("MADEIREIRA ALFA"), QStringLiteral("0"));
        f.p.info("Numero da Nota Fiscal deve ser informado!", "Lançamento");
        altKey(Qt::Key_G);
        QVERIFY_PROMPTS(f.p);
        QVERIFY(f.w->nota->hasFocus());
        f.p.info("Numero da Nota Fiscal deve ser informada!", "Lançamento");
        f.w->BitBtn12->click();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(!f.line->isVisible());

        QTest::keyClicks(f.w->nota, "5");
        f.w->data->clearDate();
        f.p.info("Data de Emissão deve ser informada!", "Lançamento");
        altKey(Qt::Key_G);
        QVERIFY_PROMPTS(f.p);
        QVERIFY(f.w->data->hasFocus());

        // The line window: species, product, quantity, price.
        f.w->BitBtn12->click();
        QVERIFY(f.line->isVisible());
        f.p.info("Essência deve ser informada!", "Lançamento");
        f.line->BitBtn1->click();
        f.choose(f.line->ESSENCIA, "IPE");
        f.p.info("Produto deve ser informado!", "Lançamento");
        f.line->BitBtn1->click();
        f.choose(f.line->ESSENCIATIPO, "TABUA");
        f.p.info("Quantidade deve ser informada!", "Lançamento");
        f.line->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QTRY_VERIFY(f.line->QUANTIDADE->hasFocus());
        QTest::keyClicks(f.line->QUANTIDADE, "3");
        f.p.info("Valor Unitário deve ser informado!", "Lançamento");
        f.line->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        // Declined, then returned: nothing stored.
        QTest::keyClicks(f.line->VALUNITARIO, "9");
        f.p.question("Confirma Lançamento?", "Confirmação", false);
        f.line->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QTest::keyClick(f.line, Qt::Key_Escape);
        QVERIFY(!f.line->isVisible());
        QCOMPARE(f.scalar("select count(*) from ENTRADA_SERRADA_DISCRIMINACAO").toInt(), 0);

        // Esc is "&Retornar": the header typed so far is dropped.
        QVERIFY(activatedAgain(f.w.get()));
        keyTo(Qt::Key_Escape);
        QVERIFY(!f.w->isVisible());
        QCOMPARE(f.scalar("select count(*) from ENTRADA_SERRADA").toInt(), 0);
        QVERIFY_PROMPTS(f.p);
    }

    // A supplier registered by CPF has no CNPJ: its lines keep the CPF, the
    // tax number they must hold, and are saved.
    void supplierWithoutCnpj()
    {
        Fixture f;
        f.newInvoice(QStringLiteral("MADEIREIRA BETA"), QStringLiteral("40"));
        f.w->BitBtn12->click();
        f.p.question("Confirma Lançamento?", "Confirmação", true)
            .question("Insere Outro Produto para esta Nota Fiscal?", "Confirmação", false);
        f.typeLine("IPE", "VIGA", "2", "5");
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.scalar("select count(*) from ENTRADA_SERRADA_DISCRIMINACAO where NFNUMERO = 40").toInt(), 1);
        QCOMPARE(f.scalar("select CPF from ENTRADA_SERRADA_DISCRIMINACAO").toDouble(), 98765432100.0);
        QCOMPARE(f.w->valtotal->text(), QStringLiteral("10,00"));
    }

    // A supplier whose CNPJ has letters: CGC stays empty, the database keeps
    // the CNPJ beside the header, the lines keep the supplier's CPF and the
    // invoice list prints the CNPJ as it is.
    void supplierWithLettersInCnpj()
    {
        Fixture f;
        data::execute(f.dm.IBDatabase1, QStringLiteral("update FORNECEDOR set CNPJ = '12ABC34501DE35' where "
                                                       "NOMEFORNECEDOR = 'MADEIREIRA ALFA'"));
        f.newInvoice(QStringLiteral("MADEIREIRA ALFA"), QStringLiteral("41"));
        f.w->BitBtn12->click();
        f.p.question("Confirma Lançamento?", "Confirmação", true)
            .question("Insere Outro Produto para esta Nota Fiscal?", "Confirmação", false);
        f.typeLine("IPE", "VIGA", "2", "5");
        QVERIFY_PROMPTS(f.p);
        QVERIFY(activatedAgain(f.w.get()));
        f.p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
        altKey(Qt::Key_G);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.scalar("select X.CNPJ from ENTRADA_SERRADA S join ENTRADA_SERRADA_CNPJ X on "
                          "X.CODIGOENTRADA = S.CODIGOENTRADA where S.NF_NUMERO = 41 and S.CGC is null")
                     .toString(),
                 QStringLiteral("12ABC34501DE35"));
        QCOMPARE(f.scalar("select CPF from ENTRADA_SERRADA_DISCRIMINACAO where NFNUMERO = 41").toDouble(), 12345678909.0);
        data::execute(f.dm.IBDatabase1, QStringLiteral("insert into MANUTENCAO (NOMEEMPRESA) values ('SERRARIA')"));
        QString error;
        const QString text = reporttest::reportText(
            reports::RepEntrada2({{QStringLiteral("INICIO"), QDate::currentDate()},
                                  {QStringLiteral("FIM"), QDate::currentDate()}}),
            f.dm.IBDatabase1, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("MADEIREIRA ALFA\\s+12ABC34501DE35\\s+111"))),
                 qPrintable(text));
    }

    // With no supplier registered "&Incluir" warns and starts nothing.
    void noSuppliers()
    {
        Fixture f(false);
        f.p.warning("Não há Fornecedor(es) Cadastrado(s), Verifíque!", "Entrada");
        altKey(Qt::Key_I);
        QVERIFY_PROMPTS(f.p);
        QVERIFY(!f.dm.TESERRADA->isActive());
        QVERIFY(f.w->BitBtn4->isEnabled());
    }

    // "E&xcluir" deletes the line under the cursor after asking, and the
    // totals follow.
    void deleteLine()
    {
        Fixture f;
        for (const char *q : {"2", "3"})
            data::execute(f.dm.IBDatabase1,
                          QStringLiteral("insert into ENTRADA_SERRADA_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, "
                                         "QUANTIDADE, VALTOTAL, SITUACAO, CPF) values (9, :f, :q, 10, 0, 1)"),
                          {{QStringLiteral("f"), f.supplierA}, {QStringLiteral("q"), QString::fromLatin1(q)}});
        f.p.question(QStringLiteral("Já possui lançamento para o numero de Nota Fiscal informado, do Fornecedor "
                                    "selecionado, Deseja Continuar?"),
                     "Confirmação", true);
        f.newInvoice(QStringLiteral("MADEIREIRA ALFA"), QStringLiteral("9"));
        QCOMPARE(f.w->m3->text(), QStringLiteral("5,000"));
        f.p.question("Deseja Excluir esse produto?", "Confirmação", true);
        altKey(Qt::Key_X);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.scalar("select count(*) from ENTRADA_SERRADA_DISCRIMINACAO").toInt(), 1);
        QCOMPARE(f.w->g->title(), QStringLiteral("Produtos > 1"));
        QCOMPARE(f.w->valtotal->text(), QStringLiteral("10,00"));
    }
};

QTEST_MAIN(TestEntradaSerrada)
#include "tst_EntradaSerrada.moc"
