#include "MovementFixture.h"
#include "SalesTestKit.h"

#include "sawn/UnitromaneioSerradaProdutos.h"
#include "sawn/Unitromaneioserrada.h"
#include "statements/UnitPesquisa3.h"
#include "widgets/DateEdit.h"
#include "widgets/WindowRegistry.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

using namespace salestest;

// The sawn-wood packing list: lines of one number and one client.
class TestRomaneioserrada : public QObject
{
    Q_OBJECT

    struct Fixture : MovementFixture<TfrmRomaneioserrada, TfrmromaneioSerradaProdutos, TfrmPesquisa3>
    {
        QVariant cedro, tabua, alfa, beta;

        Fixture()
        {
            cedro = addSpecies(dm, "CEDRO");
            tabua = addSubProduct(dm, "TABUA");
            alfa = addClient(dm, "comercial alfa", "11222333000181");
            beta = addClient(dm, "COMERCIAL BETA", "44555666000172");
            openWithPicker(&TfrmRomaneioserrada::setClientPicker);
            activate(w.get());
        }

        // "&Incluir/Alterar", the client chosen, the number typed and left.
        void openList(const QString &client, const QString &number)
        {
            pickWhenShown(picker, picker->Edit1, client);
            w->BitBtn5->click();
            QVERIFY(activate(w.get()));
            QVERIFY(w->nota->isEnabled());
            typeInto(w->nota, number);
            QVERIFY(focusTo(w->data)); // leaves the number; the date becomes today
        }

        // Line "Incluir", a line typed; leaving the price saves it.
        void addLine(const QString &unit, const QString &q, const QString &c, const QString &l, const QString &e,
                     const QString &price, bool another = false)
        {
            if (!line->isVisible())
                w->BitBtn12->click();
            QVERIFY(line->isVisible());
            choose(line->ESSENCIA, "CEDRO");
            choose(line->PRODUTO, "TABUA");
            choose(line->UNIDADE, unit);
            typeInto(line->QUANTIDADE, q);
            typeInto(line->COMPRIMENTO, c);
            typeInto(line->LARGURA, l);
            typeInto(line->EXPESSURA, e);
            typeInto(line->VLUNITARIO, price);
            p.question("Confirma Lançamento?", "Confirmação", true)
                .question("Insere Outro Produto para este Cliente?", "Confirmação", another);
            QTest::keyClick(line->VLUNITARIO, Qt::Key_Tab);
            QVERIFY_PROMPTS(p);
        }

        int rows(const QString &where = QStringLiteral("1 = 1"))
        {
            return int(number(dm, "select count(*) from ROMANEIO_SERRADA where " + where));
        }
    };

private slots:
    // 20 x 4,00 x 0,25 x 0,025 = 0,5 at 600,00 is 300; an M/2 line of 10 x
    // 3,00 x 0,20 adds 6 into the same total.
    void listWithTotals()
    {
        Fixture f;
        f.openList("COMERCIAL A", "55");
        QCOMPARE(f.w->fornecedor->text(), QStringLiteral("COMERCIAL ALFA"));
        QCOMPARE(f.w->MaskEdit1->text(), QStringLiteral("11.222.333/0001-81"));
        f.addLine("M/3", "20", "4,00", "0,25", "0,025", "600,00", true);
        QCOMPARE(f.w->g->title(), QStringLiteral("Produtos > 1"));
        f.addLine("M/2", "10", "3,00", "0,20", "0,000", "1,00");
        QVERIFY(!f.line->isVisible());
        QCOMPARE(f.w->m3->text(), QStringLiteral("6,5000"));
        QCOMPARE(f.w->valtotal->text(), QStringLiteral("306,00"));
        QCOMPARE(f.w->g->title(), QStringLiteral("Produtos > 2"));
        QCOMPARE(f.rows("NF = 55 and CODEMPRESA = " + f.alfa.toString() + " and TOTALM3 = 0.5 and VLTOTAL = 300"), 1);
        QCOMPARE(number(f.dm, "select DATA from ROMANEIO_SERRADA where TOTALM3 = 6"),
                 number(f.dm, "select DATA from ROMANEIO_SERRADA where TOTALM3 = 0.5"));
        QVERIFY(activate(f.w.get()));
        QVERIFY(f.w->BitBtn3->hasFocus());
    }

    // The same number with another client is another list; reopening a
    // list asks whether to go on with it; the whole-list deletion takes only
    // its own rows.
    void listsByNumberAndClient()
    {
        Fixture f;
        f.openList("COMERCIAL A", "7");
        f.addLine("M/3", "20", "4,00", "0,25", "0,025", "600,00");
        f.openList("COMERCIAL B", "7");
        QCOMPARE(f.w->g->title(), QStringLiteral("Produtos > 0"));
        f.addLine("M/3", "1", "1,00", "1,00", "1,000", "2,00");
        QCOMPARE(f.w->m3->text(), QStringLiteral("1,0000"));
        f.p.question("Já possui lançamento para o numero de Nota Fiscal informado, do Cliente selecionado, "
                     "Deseja Continuar?", "Confirmação", true);
        f.openList("COMERCIAL A", "7");
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.w->m3->text(), QStringLiteral("0,5000"));
        f.p.question("Ao confirmar, todos os lançamentos efetuados desta empresa para esta Nota Fiscal serão "
                     "excluídos, Confirma Exclusão?", "Confirmação", true);
        f.w->BitBtn6->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.rows(), 1);
        QCOMPARE(f.rows("CODEMPRESA = " + f.beta.toString()), 1);
        QCOMPARE(f.w->g->title(), QStringLiteral("Produtos > 0"));
        QVERIFY(!f.w->nota->isEnabled());
        f.p.error("Não há Lançamento(s) para ser(em) excluído(s), Verífique!", "Pesquisa");
        f.w->BitBtn6->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.rows(), 1);
    }

    // The line checks; a quantity of zero is refused.
    void lineChecks()
    {
        Fixture f;
        f.openList("COMERCIAL B", "3");
        f.w->BitBtn12->click();
        auto refused = [&](const char *text) {
            f.p.info(text, "Lançamento");
            f.line->BitBtn1->click();
            QVERIFY_PROMPTS(f.p);
        };
        refused("Essência deve ser informada!");
        choose(f.line->ESSENCIA, "CEDRO");
        refused("Essência Tipo deve ser informada!");
        choose(f.line->PRODUTO, "TABUA");
        refused("Unidade deve ser informada!");
        choose(f.line->UNIDADE, "M/2");
        QCOMPARE(f.line->LabelTotal->text(), QStringLiteral("Total M/2"));
        QCOMPARE(f.line->TOTALM3->decimals(), 2);
        choose(f.line->UNIDADE, "PC"); // other units change nothing shown
        QCOMPARE(f.line->LabelTotal->text(), QStringLiteral("Total M/2"));
        typeInto(f.line->QUANTIDADE, "0");
        refused("Quantidade deve ser informada!");
        QVERIFY(f.line->QUANTIDADE->hasFocus());
        typeInto(f.line->QUANTIDADE, "3");
        refused("Valor Unitário deve ser informado!");
        f.line->BitBtn3->click();
        QVERIFY(!f.line->isVisible());
        QCOMPARE(f.rows(), 0);
    }

    // "Relatório": the company data first, then some packing list, then its
    // report window.
    void reportWindow()
    {
        Fixture f;
        QDialog report;
        report.setObjectName("TfrmRRomaneioSerrada");
        f.w->setReportWindows(widgets::existingWindow(&report), {});
        bool opened = false;
        f.p.info("Parametros da Empresa não informados, Verífique!", "Informação");
        f.w->BitBtn4->click();
        QVERIFY_PROMPTS(f.p);
        addRow(f.dm, "MANUTENCAO", "CODIGOEMPRESA", {{"CODIGOEMPRESA", 1}, {"NOMEEMPRESA", "SERRARIA"}});
        f.p.info("Não há lançamento(s) de Romaneio de Madeira Serrada, Verífique!", "Informação");
        f.w->BitBtn4->click();
        QVERIFY_PROMPTS(f.p);
        f.openList("COMERCIAL A", "8");
        f.addLine("M/3", "1", "1,00", "1,00", "1,000", "2,00");
        whenActive(&report, [&] {
            opened = true;
            report.reject();
        });
        f.w->BitBtn4->click();
        QVERIFY(opened);
        QVERIFY(f.w->fornecedor->text().isEmpty());
        QVERIFY(!f.w->nota->isEnabled());
    }
};

QTEST_MAIN(TestRomaneioserrada)
#include "tst_Romaneioserrada.moc"
