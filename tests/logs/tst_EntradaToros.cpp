#include "LogsTestKit.h"
#include "MovementFixture.h"

#include "logs/UnitConsultaEPatio.h"
#include "logs/UnitEntradaToros.h"
#include "logs/UnitEntradaTorosProdutos.h"
#include "statements/UnitPesquisaEntrada.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/WindowRegistry.h"

#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

using namespace logstest;
using widgets::MessageKind;

class TestEntradaToros : public QObject
{
    Q_OBJECT

    struct Fixture : MovementFixture<TfrmEntradaToros, TfrmEntradaTorosProdutos>
    {
        QVariant cedro, ipe, supplierA, supplierB;

        Fixture()
        {
            cedro = addSpecies(dm, QStringLiteral("CEDRO"));
            ipe = addSpecies(dm, QStringLiteral("IPE"));
            supplierA = addSupplier(dm, QStringLiteral("MADEIREIRA ALFA"), QStringLiteral("12345678909"), QStringLiteral("111"));
            supplierB = addSupplier(dm, QStringLiteral("MADEIREIRA BETA"), QStringLiteral("98765432100"), QStringLiteral("222"));
            open({1200, 700});
        }

        // "&Incluir", then what the supplier picker writes.
        void newInvoice(const QVariant &supplier, int number)
        {
            w->BitBtn4->click();
            data::Table s(dm.IBDatabase1, QStringLiteral("FORNECEDOR"), QStringLiteral("CODIGOFORNECEDOR"));
            s.setFilter(QStringLiteral("CODIGOFORNECEDOR = :c"), {{QStringLiteral("c"), supplier}});
            s.setFiltered(true);
            s.open();
            dm.TEntrada->setValue(QStringLiteral("RAZAO_SOCIAL"), s.value(QStringLiteral("NOMEFORNECEDOR")));
            dm.TEntrada->setValue(QStringLiteral("CGC"), s.value(QStringLiteral("CPF")));
            dm.TEntrada->setValue(QStringLiteral("INSC_ESTADUAL"), s.value(QStringLiteral("INSCESTADUAL")));
            dm.TEntrada->setValue(QStringLiteral("CODIGOFORNECEDOR"), supplier);
            dm.TEntrada->setValue(QStringLiteral("NF_NUMERO"), number);
            w->data->setDate(QDate(2024, 3, 15));
            QVERIFY(focusTo(w->nota)); // entering the number enables the line "Incluir"
        }

        void chooseSpecies(widgets::DBLookupComboBox *combo, const QString &name)
        {
            const int i = combo->findText(name);
            QVERIFY(i >= 0);
            combo->setCurrentIndex(i);
            emit combo->activated(i);
        }

        // Types one log into the line window, passing through the index and
        // the price as the user does, and leaves the price (no save yet).
        void typeLog(int plate, const QString &species, const QString &c, const QString &x, const QString &y,
                     const QString &index, const QString &price)
        {
            dm.TEntrada_discriminacao->setValue(QStringLiteral("CODIGOPRODUTO"), plate);
            chooseSpecies(line->ESSENCIA, species);
            line->DBComboBox1->setCurrentText(QStringLiteral("M/3"));
            auto type = [&](widgets::NumericEdit *e, const QString &text) {
                QVERIFY(focusTo(e));
                e->setText(text);
                emit e->textEdited(text);
            };
            type(line->COMPRIMENTO, c);
            type(line->DIAMETRO, x);
            type(line->DIAMETRO1, y);
            type(line->INDICE, index);
            type(line->VALUNITARIO, price);
            QVERIFY(focusTo(line->ALIQICMS));
        }

        // The header fields the save checks, other than number and supplier.
        void fillHeader(double totalNota)
        {
            dm.TEntrada->setValue(QStringLiteral("NOME_TRANSPORTADOR"), QStringLiteral("X"));
            dm.TEntrada->setValue(QStringLiteral("VALOR_TOTAL_NOTA"), totalNota);
            dm.TEntrada->setValue(QStringLiteral("DATA_SAIDA"), QDate(2024, 3, 15));
            dm.TEntrada->setValue(QStringLiteral("DATA_EMISSAO"), QDate(2024, 3, 15));
        }

        // Types a new number over the one shown in "Nota Fiscal" and leaves it.
        void typeNumber(const QString &digits)
        {
            QVERIFY(focusTo(w->nota));
            w->nota->selectAll();
            QTest::keyClicks(w->nota, digits);
            QVERIFY(focusTo(w->NOME_TRANSPORTADOR));
        }

        // "&Gravar" answered Yes, then No to going on.
        void saveHeader()
        {
            p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
            w->BitBtn1->click();
            QVERIFY_PROMPTS(p);
        }

        int count(const QString &sql) { return int(sumOf(dm, sql)); }

        // Line "Incluir", one log saved, and the line window closed.
        void addLog(int plate, const QString &species, const QString &c, const QString &x, const QString &y,
                    const QString &index, const QString &price)
        {
            w->BitBtn12->click();
            QVERIFY(line->isVisible());
            typeLog(plate, species, c, x, y, index, price);
            p.question("Confirma Lançamento?", "Confirmação", true)
                .question("Insere Outro Produto para esta Nota Fiscal?", "Confirmação", false);
            line->BitBtn1->click();
            QVERIFY_PROMPTS(p);
            QVERIFY(!line->isVisible());
        }
    };

private slots:
    // Tabbing through the window with no invoice open: leaving "Outras
    // Despesas" has nothing to save and says nothing; the hour, the rates
    // and the municipality write nowhere.
    void idleTaxFieldsSayNothing()
    {
        Fixture f;
        QVERIFY(!f.dm.TEntrada->isActive());
        QVERIFY(focusTo(f.w->aliqicms));
        QVERIFY(focusTo(f.w->OUTRAS_DESPESAS));
        QVERIFY(focusTo(f.w->VALOR_SEGURO));
        QVERIFY(focusTo(f.w->MUNICIPIO_TRANSPORTADOR));
        QVERIFY(focusTo(f.w->NOME_TRANSPORTADOR));
        QVERIFY_PROMPTS(f.p);
        QVERIFY(!f.dm.TEntrada->isActive());
        QCOMPARE(sumOf(f.dm, "select count(*) from ENTRADA_TOROS"), 0.0);
    }

    // C 4,00, X 0,50, Y 0,45, index 10 and 120,00: 0,81 m3 and 97,2, in the yard.
    void logVolumeWorkedExample()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 123);
        f.addLog(501, "CEDRO", "4", "0,5", "0,45", "10", "120");
        data::Query q(f.dm.IBDatabase1, "select QUANTIDADE, VALTOTAL, SITUACAO, NFNUMERO, CODIGOFORNECEDOR, "
                                        "CODIGOESSENCIA, CPF, DATALANCAMENTO, UNIDADE from ENTRADA_TOROS_DISCRIMINACAO");
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.asDouble("QUANTIDADE"), 0.81);
        QCOMPARE(q.asDouble("VALTOTAL"), 97.2);
        QCOMPARE(q.asDouble("SITUACAO"), 0.0);
        QCOMPARE(q.asDouble("NFNUMERO"), 123.0);
        QCOMPARE(q.value("CODIGOFORNECEDOR").toDouble(), f.supplierA.toDouble());
        QCOMPARE(q.value("CODIGOESSENCIA").toDouble(), f.cedro.toDouble());
        QCOMPARE(q.asDouble("CPF"), 12345678909.0);
        QCOMPARE(q.value("DATALANCAMENTO").toDateTime().date(), QDate(2024, 3, 15));
        QCOMPARE(q.asString("UNIDADE"), QString("M/3"));
        // Closing the line window showed the lines and the totals.
        QVERIFY(f.w->DBGrid2->isVisible());
        QVERIFY(!f.w->DBGrid3->isVisible());
        QVERIFY(f.w->BitBtn9->isEnabled());
        QCOMPARE(f.w->totalproduto->text(), QString("97,20"));
    }

    // Zero index keeps the product unrounded; a 5 % discount rounds to even.
    void volumesWithAndWithoutDiscount()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 7);
        f.addLog(1, "CEDRO", "3", "0,4", "0,4", "0", "10");
        f.addLog(2, "IPE", "2,5", "0,33", "0,5", "0", "10");
        QCOMPARE(f.line->m3->text(), QString("0,4125"));
        f.addLog(3, "IPE", "2,5", "0,33", "0,5", "5", "10");
        QCOMPARE(f.line->desconto->text(), QString("0,0206"));
        QCOMPARE(sumOf(f.dm, "select QUANTIDADE from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = 1"), 0.48);
        QCOMPARE(sumOf(f.dm, "select QUANTIDADE from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = 2"), 0.4125);
        QCOMPARE(sumOf(f.dm, "select QUANTIDADE from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = 3"), 0.3919);
        // The index stays for the next line; "&Retornar" resets it.
        QCOMPARE(f.line->INDICE->value(), 5.0);
        f.w->BitBtn12->click();
        f.line->BitBtn3->click();
        QCOMPARE(f.line->INDICE->value(), 0.0);
        QCOMPARE(sumOf(f.dm, "select count(*) from ENTRADA_TOROS_DISCRIMINACAO"), 3.0);
    }

    void lineSaveChecks()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 9);
        f.w->BitBtn12->click();
        auto *l = f.line;
        auto &p = f.p;
        auto check = [&](const QString &message, QWidget *focus) {
            p.info(message, "Lançamento");
            l->BitBtn1->click();
            QVERIFY_PROMPTS(p);
            QCOMPARE(QApplication::focusWidget(), focus);
        };
        QVERIFY(focusTo(l->DBEDIT1));
        QCOMPARE(l->DBEDIT1->text(), QString("000000"));
        check("Código do Produto deve ser informao!", l->DBEDIT1);
        f.dm.TEntrada_discriminacao->setValue("CODIGOPRODUTO", 77);
        check("Essência deve ser informada!", l->ESSENCIA);
        f.chooseSpecies(l->ESSENCIA, "CEDRO");
        check("Unidade deve ser informada!", l->DBComboBox1);
        l->DBComboBox1->setCurrentText("M/3");
        check("Comprimento deve ser informao!", l->COMPRIMENTO);
        f.dm.TEntrada_discriminacao->setValue("COMPRIMENTO", 4.0);
        check("Diametro[x] deve ser informao!", l->DIAMETRO);
        f.dm.TEntrada_discriminacao->setValue("DIAMETRO", 0.5);
        // Y not checked by itself: a zero Y gives a zero quantity.
        check("Quantidade deve ser informada!", l->QUANTIDADE);
        f.dm.TEntrada_discriminacao->setValue("QUANTIDADE", 0.2);
        check("Valor Unitário deve ser informado!", l->VALUNITARIO);
        f.dm.TEntrada_discriminacao->setValue("VALUNITARIO", 10.0);
        // Entering "Valor Unitário" took the quantity again from the last
        // gross volume and discount (none here): the quantity check again.
        check("Quantidade deve ser informada!", l->QUANTIDADE);
        f.dm.TEntrada_discriminacao->setValue("QUANTIDADE", 0.2);
        {
            p.question("Confirma Lançamento?", "Confirmação", false);
            l->BitBtn1->click();
            QVERIFY_PROMPTS(p);
        }
        QVERIFY(f.dm.TEntrada_discriminacao->isEditing()); // still pending
        QCOMPARE(sumOf(f.dm, "select count(*) from ENTRADA_TOROS_DISCRIMINACAO"), 0.0);
        // Closing without saving leaves no line.
        l->BitBtn3->click();
        QCOMPARE(sumOf(f.dm, "select count(*) from ENTRADA_TOROS_DISCRIMINACAO"), 0.0);
    }

    // A plate number already used is refused by the database; the line stays pending.
    void duplicatePlateRefusedByTheDatabase()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 10);
        f.addLog(600, "CEDRO", "4", "0,5", "0,45", "0", "100");
        f.w->BitBtn12->click();
        f.typeLog(600, "IPE", "3", "0,4", "0,4", "0", "50");
        auto &p = f.p;
        p.question("Confirma Lançamento?", "Confirmação", true).error("*", "Quelvora");
        f.line->BitBtn1->click();
        QVERIFY_PROMPTS(p);
        QVERIFY(p.shown().join("").contains("INDCODPRODUTO"));
        QCOMPARE(f.dm.TEntrada_discriminacao->state(), data::DataSetState::Insert);
        QVERIFY(f.line->isVisible());
        // Corrected, it goes through.
        f.dm.TEntrada_discriminacao->setValue("CODIGOPRODUTO", 601);
        p.question("Confirma Lançamento?", "Confirmação", true)
            .question("Insere Outro Produto para esta Nota Fiscal?", "Confirmação", false);
        f.line->BitBtn1->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(sumOf(f.dm, "select count(*) from ENTRADA_TOROS_DISCRIMINACAO"), 2.0);
    }

    // ICMS 170 and FunRural 28,39488; totals 100,01 and 3,235 from the lines.
    void taxesAndTotals()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 55);
        // Lines as they would be stored (values not reachable through the volume rule).
        data::Table t(f.dm.IBDatabase1, "ENTRADA_TOROS_DISCRIMINACAO", "CODDISCRIMINACAO");
        t.open();
        for (auto [plate, value, volume] : {std::tuple{1, 100.005, 1.2345}, std::tuple{2, 0.001, 2.0001}}) {
            t.append();
            t.setValue("CODIGOPRODUTO", plate);
            t.setValue("NFNUMERO", 55);
            t.setValue("CODIGOFORNECEDOR", f.supplierA);
            t.setValue("CPF", 1);
            t.setValue("SITUACAO", 0);
            t.setValue("VALTOTAL", value);
            t.setValue("QUANTIDADE", volume);
            t.post();
        }
        // Same number, other supplier: not part of this invoice.
        t.append();
        t.setValue("CODIGOPRODUTO", 3);
        t.setValue("NFNUMERO", 55);
        t.setValue("CODIGOFORNECEDOR", f.supplierB);
        t.setValue("CPF", 1);
        t.setValue("VALTOTAL", 900.0);
        t.setValue("QUANTIDADE", 9.0);
        t.post();
        f.w->recalculateTotals();
        QCOMPARE(f.w->totalproduto->text(), QString("100,01"));
        QCOMPARE(f.w->quantidade->text(), QString("3,235"));
        QCOMPARE(f.dm.TEntrada->asDouble("VALOR_TOTAL_PRODUTOS"), 100.01);
        QCOMPARE(f.dm.TEntrada->asDouble("QUANTIDADE"), 3.235);
        QCOMPARE(f.dm.TEntrada_discriminacao->recordCount(), 2);

        // Entering the bases takes the products total.
        QVERIFY(focusTo(f.w->bcicms));
        QCOMPARE(f.w->bcicms->value(), 100.01);
        f.dm.TEntrada->setValue("BASE_CALCULO_ICMS", 1000.0);
        f.w->aliqicms->setText("17,00");
        QVERIFY(focusTo(f.w->aliqicms));
        QVERIFY(focusTo(f.w->bcfunrural));
        QCOMPARE(f.w->valicms->text(), QString("170"));
        QCOMPARE(f.dm.TEntrada->asDouble("VALOR_ICMS"), 170.0);
        f.dm.TEntrada->setValue("BASE_CALCULO_FUNRURAL", 1234.56);
        f.w->aliqfunrural->setText("2,3");
        QVERIFY(focusTo(f.w->aliqfunrural));
        QVERIFY(focusTo(f.w->VALOR_FRETE));
        QCOMPARE(f.w->valfunrural->text(), QString("28,39488"));
        QCOMPARE(f.dm.TEntrada->asDouble("VALOR_FUNRURAL"), 28.39488);
    }

    void headerSaveChecksAndSave()
    {
        Fixture f;
        auto &p = f.p;
        f.w->BitBtn4->click();
        auto check = [&](const QString &message) {
            p.info(message, "Lançamento");
            f.w->BitBtn1->click();
            QVERIFY_PROMPTS(p);
        };
        check("Fornecedor deve ser informado!");
        f.w->BitBtn2->click();
        f.newInvoice(f.supplierA, 0);
        QCOMPARE(f.w->nota->text(), QString("000000"));
        check("Numero da Nota Fiscal deve ser informado!");
        QCOMPARE(QApplication::focusWidget(), f.w->nota);
        f.dm.TEntrada->setValue("NF_NUMERO", 321);
        f.w->data->clearDate();
        check("Data de Emissão deve ser informada!");
        QVERIFY(focusTo(f.w->data)); // entering it puts today's date
        QCOMPARE(f.w->data->date(), QDate::currentDate());
        check("Data da Saida deve ser informada!");
        QVERIFY(focusTo(f.w->saida)); // entering it copies the emission date
        QCOMPARE(f.w->saida->date(), QDate::currentDate());
        check("Transportador deve ser informado!");
        f.w->NOME_TRANSPORTADOR->setText("TRANSPORTES RIO");
        emit f.w->NOME_TRANSPORTADOR->textEdited("TRANSPORTES RIO");
        check("Valor Total dos Produtos deve ser informado!");
        // Leaving "Outras Despesas" with no line refuses to save.
        p.error("Deve-se informar pelo menos 01(um) produto para esta Nota Fiscal!", "Informação");
        QVERIFY(focusTo(f.w->OUTRAS_DESPESAS));
        QVERIFY(focusTo(f.w->VALOR_SEGURO));
        QVERIFY_PROMPTS(p);
        f.addLog(900, "CEDRO", "4", "0,5", "0,45", "10", "120");
        check("Valor Total da Nota deve ser informada!");
        f.dm.TEntrada->setValue("VALOR_TOTAL_NOTA", 97.2);
        // "Hora Saida": 09:30 is stored as 0930; three digits are refused.
        QVERIFY(focusTo(f.w->maskedit1));
        QTest::keyClicks(f.w->maskedit1, "0930");
        QCOMPARE(f.dm.TEntrada->asString("HORA_SAIDA"), QString("0930"));
        p.question("Confirma a Inclusão?", "Confirmação", false);
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(f.dm.TEntrada->state(), data::DataSetState::Insert);
        p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(p);
        QVERIFY(!f.w->isVisible());
        data::Query q(f.dm.IBDatabase1, "select * from ENTRADA_TOROS");
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.asDouble("NF_NUMERO"), 321.0);
        QCOMPARE(q.asDouble("VALOR_TOTAL_PRODUTOS"), 97.2);
        QCOMPARE(q.asDouble("QUANTIDADE"), 0.81);
        QCOMPARE(q.asString("NOME_TRANSPORTADOR"), QString("TRANSPORTES RIO"));
    }

    void shortTimeRefused()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 1);
        auto &p = f.p;
        p.error("Hora Informada Inválida, Verifique!", "Informação");
        QVERIFY(focusTo(f.w->maskedit1));
        QTest::keyClicks(f.w->maskedit1, "093");
        focusTo(f.w->NOME_TRANSPORTADOR);
        QVERIFY_PROMPTS(p);
        QCOMPARE(QApplication::focusWidget(), f.w->maskedit1); // back to the time
        QVERIFY(f.dm.TEntrada->isNull("HORA_SAIDA") || f.dm.TEntrada->asString("HORA_SAIDA").isEmpty());
    }

    void cancelRefusedWhileLinesExist()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 44);
        f.addLog(700, "CEDRO", "4", "0,5", "0,45", "10", "120");
        auto &p = f.p;
        p.error("Para cancelamento deste lançamento, exclua primeiro o(s) produto(s) informado(s)!", "Lançamento");
        f.w->BitBtn2->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(f.dm.TEntrada->state(), data::DataSetState::Insert);
        p.question("Deseja Excluir esse produto?", "Confirmação", true);
        f.w->BitBtn9->click();
        QVERIFY_PROMPTS(p);
        f.w->BitBtn2->click();
        QVERIFY_PROMPTS(p);
        QVERIFY(!f.dm.TEntrada->isActive());
        QVERIFY(f.w->BitBtn4->isEnabled());
        QCOMPARE(sumOf(f.dm, "select count(*) from ENTRADA_TOROS_DISCRIMINACAO"), 0.0);
    }

    // Same number from the same supplier is refused before any line; from
    // another supplier it is another invoice with its own lines.
    void invoiceBelongsToNumberAndSupplier()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 77);
        f.addLog(1, "CEDRO", "4", "0,5", "0,45", "10", "120");
        f.dm.TEntrada->setValue("NOME_TRANSPORTADOR", "X");
        f.dm.TEntrada->setValue("VALOR_TOTAL_NOTA", 97.2);
        f.dm.TEntrada->setValue("DATA_SAIDA", QDate(2024, 3, 15));
        auto &p = f.p;
        p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", true);
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(p);
        // The next invoice: same supplier, same number.
        f.dm.TEntrada->setValue("RAZAO_SOCIAL", "MADEIREIRA ALFA");
        f.dm.TEntrada->setValue("CODIGOFORNECEDOR", f.supplierA);
        f.dm.TEntrada->setValue("CGC", 12345678909.0);
        f.dm.TEntrada->setValue("NF_NUMERO", 77);
        p.info("Nota Fiscal 000077 já lançada para este Fornecedor, Verifíque!", "Lançamento");
        f.w->BitBtn12->setEnabled(true);
        f.w->BitBtn12->click();
        QVERIFY_PROMPTS(p);
        QVERIFY(!f.line->isVisible());
        // Other supplier, same number: its own invoice.
        f.dm.TEntrada->setValue("RAZAO_SOCIAL", "MADEIREIRA BETA");
        f.dm.TEntrada->setValue("CODIGOFORNECEDOR", f.supplierB);
        f.dm.TEntrada->setValue("CGC", 98765432100.0);
        f.addLog(2, "IPE", "3", "0,4", "0,4", "0", "10");
        QCOMPARE(f.dm.TEntrada_discriminacao->recordCount(), 1);
        QCOMPARE(f.w->totalproduto->text(), QString("4,80"));
        // Deleting the line of one leaves the other's.
        p.question("Deseja Excluir esse produto?", "Confirmação", true);
        f.w->BitBtn9->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(sumOf(f.dm, "select count(*) from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = 1"), 1.0);
    }

    // A number changed after a line was saved takes the line with it: the
    // header and its lines are stored under the new number together, and the
    // old number is free again.
    void changedNumberTakesItsLines()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 123);
        f.addLog(1, "CEDRO", "4", "0,5", "0,45", "10", "120");
        f.typeNumber("124");
        QCOMPARE(f.w->nota->text(), QString("000124"));
        // The line is still shown with its totals until the save.
        QCOMPARE(f.dm.TEntrada_discriminacao->recordCount(), 1);
        f.fillHeader(97.2);
        f.saveHeader();
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS where NF_NUMERO = 124"), 1);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO where NFNUMERO = 124"), 1);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO where NFNUMERO = 123"), 0);
        QCOMPARE(sumOf(f.dm, "select VALOR_TOTAL_PRODUTOS from ENTRADA_TOROS"), 97.2);
        // Invoice 123 of the same supplier is a new, empty invoice.
        f.w->show();
        f.newInvoice(f.supplierA, 123);
        f.addLog(2, "IPE", "3", "0,4", "0,4", "0", "10");
        QCOMPARE(f.dm.TEntrada_discriminacao->recordCount(), 1);
        QCOMPARE(f.w->totalproduto->text(), QString("4,80"));
    }

    // Changing to a number the supplier already has is refused at the save;
    // nothing moves and the header stays in entry.
    void changedNumberAlreadyTaken()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 100);
        f.addLog(1, "CEDRO", "4", "0,5", "0,45", "10", "120");
        f.fillHeader(97.2);
        f.p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", true);
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        f.dm.TEntrada->setValue("RAZAO_SOCIAL", "MADEIREIRA ALFA");
        f.dm.TEntrada->setValue("CODIGOFORNECEDOR", f.supplierA);
        f.dm.TEntrada->setValue("CGC", 12345678909.0);
        f.dm.TEntrada->setValue("NF_NUMERO", 123);
        QVERIFY(focusTo(f.w->NOME_TRANSPORTADOR));
        QVERIFY(focusTo(f.w->nota)); // entering the number enables the line "Incluir"
        f.addLog(2, "IPE", "3", "0,4", "0,4", "0", "10");
        f.typeNumber("100");
        f.fillHeader(4.8);
        f.p.info("Nota Fiscal 000100 já lançada para este Fornecedor, Verifíque!", "Lançamento");
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), f.w->nota);
        QCOMPARE(f.dm.TEntrada->state(), data::DataSetState::Insert);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO where NFNUMERO = 123"), 1);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO where NFNUMERO = 100"), 1);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS"), 1);
        // Back to its own number it saves.
        f.typeNumber("123");
        f.saveHeader();
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS where NF_NUMERO = 123"), 1);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO where NFNUMERO = 123"), 1);
    }

    // Lines left without a header (an entry cut short, or the number
    // changed by an earlier version) hold their number: a new invoice of that
    // supplier cannot take them over.
    void linesWithoutHeaderHoldTheirNumber()
    {
        Fixture f;
        {
            data::Table t(f.dm.IBDatabase1, "ENTRADA_TOROS_DISCRIMINACAO", "CODDISCRIMINACAO");
            t.open();
            t.append();
            t.setValue("CODIGOPRODUTO", 1);
            t.setValue("NFNUMERO", 123);
            t.setValue("CODIGOFORNECEDOR", f.supplierA);
            t.setValue("CPF", 1);
            t.setValue("SITUACAO", 0);
            t.post();
        }
        f.newInvoice(f.supplierA, 123);
        f.p.info("Nota Fiscal 000123 já lançada para este Fornecedor, Verifíque!", "Lançamento");
        f.w->BitBtn12->click();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(!f.line->isVisible());
        f.fillHeader(97.2);
        f.dm.TEntrada->setValue("VALOR_TOTAL_PRODUTOS", 97.2);
        f.p.info("Nota Fiscal 000123 já lançada para este Fornecedor, Verifíque!", "Lançamento");
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS"), 0);
        // The same number from another supplier is another invoice.
        f.w->BitBtn2->click();
        f.newInvoice(f.supplierB, 123);
        f.addLog(2, "IPE", "3", "0,4", "0,4", "0", "10");
        QCOMPARE(f.dm.TEntrada_discriminacao->recordCount(), 1);
    }

    // While the line window holds a line being typed, the header's line
    // buttons leave it alone: nothing is deleted, moved over or dropped.
    void lineButtonsWhileALineIsTyped()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 31);
        f.addLog(1, "CEDRO", "4", "0,5", "0,45", "10", "120");
        QVERIFY(f.w->BitBtn9->isEnabled());
        f.w->BitBtn12->click();
        QVERIFY(f.line->isVisible());
        f.typeLog(2, "IPE", "3", "0,4", "0,4", "0", "10");
        for (QPushButton *b : {f.w->BitBtn9, f.w->BitBtn10, f.w->BitBtn11}) {
            QVERIFY(!b->isEnabled());
            QTest::mouseClick(b, Qt::LeftButton);
        }
        f.w->BitBtn9Click(); // as a shortcut or a stale click would
        f.w->BitBtn12Click();
        // Nor is the header saved or cancelled under the line.
        f.w->BitBtn1->click();
        f.w->BitBtn2->click();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(f.line->isVisible());
        QCOMPARE(f.dm.TEntrada_discriminacao->state(), data::DataSetState::Insert);
        QCOMPARE(f.dm.TEntrada_discriminacao->asDouble("CODIGOPRODUTO"), 2.0);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO"), 1);
        // Saved, the line window closes and "Excluir" deletes the line under
        // the cursor, with the totals following.
        f.p.question("Confirma Lançamento?", "Confirmação", true)
            .question("Insere Outro Produto para esta Nota Fiscal?", "Confirmação", false);
        f.line->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO"), 2);
        QVERIFY(f.w->BitBtn9->isEnabled());
        QCOMPARE(f.w->totalproduto->text(), QString("102,00"));
        f.w->BitBtn10->click(); // "Proximo": the second line
        QCOMPARE(f.dm.TEntrada_discriminacao->asDouble("CODIGOPRODUTO"), 2.0);
        f.p.question("Deseja Excluir esse produto?", "Confirmação", true);
        f.w->BitBtn9->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.count("select count(*) from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = 2"), 0);
        QCOMPARE(f.w->totalproduto->text(), QString("97,20"));
    }

    // Values written unrounded stay unrounded whatever takes the focus from
    // their edits, message boxes included: 50,004 + 30,004 = 80,01.
    void lineValueStoredUnrounded()
    {
        Fixture f;
        f.p.takingFocus();
        f.newInvoice(f.supplierA, 80);
        auto saveByLeavingAliquota = [&](int plate, const QString &c, const QString &x, const QString &y,
                                         const QString &price, bool another) {
            f.typeLog(plate, "CEDRO", c, x, y, "0", price);
            QVERIFY(f.line->ALIQICMS->hasFocus());
            f.p.question("Confirma Lançamento?", "Confirmação", true)
                .question("Insere Outro Produto para esta Nota Fiscal?", "Confirmação", another);
            QTest::keyClick(f.line->ALIQICMS, Qt::Key_Tab);
            QVERIFY_PROMPTS(f.p);
        };
        f.w->BitBtn12->click();
        saveByLeavingAliquota(1, "4,63", "0,3", "0,3", "120", true);  // 0,4167 m3: 50,004
        saveByLeavingAliquota(2, "5,77", "0,13", "1", "40", false);    // 0,7501 m3: 30,004
        QCOMPARE(sumOf(f.dm, "select VALTOTAL from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = 1"), 50.004);
        QCOMPARE(sumOf(f.dm, "select VALTOTAL from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = 2"), 30.004);
        QCOMPARE(f.w->totalproduto->text(), QString("80,01"));
        f.fillHeader(80.01);
        f.saveHeader();
        QCOMPARE(sumOf(f.dm, "select VALOR_TOTAL_PRODUTOS from ENTRADA_TOROS"), 80.01);
    }

    void searchTab()
    {
        Fixture f;
        auto &p = f.p;
        p.info("Não há Lançamento(s) para ser(em) pesquisado(s)!", "Pesquisa");
        f.w->BitBtn6->click();
        p.info("Não há Lançamento(s) para ser(em) Excluido(s)!", "Exclusão");
        f.w->BitBtn5->click();
        QVERIFY_PROMPTS(p);
        f.w->PageControl1->setCurrentIndex(1);
        // A seventh digit is refused and the number cleared.
        p.error("Quantidade de digitos informados excedeu o permitindo, Verifique!", "Informação");
        QTest::keyClicks(f.w->nota1, "1234567");
        QCoreApplication::processEvents();
        QVERIFY_PROMPTS(p);
        QCOMPARE(f.w->nota1->value(), 0);
        QVERIFY(f.w->BitBtn7->isVisible());
        QVERIFY(!f.w->BitBtn6->isVisible());
        QVERIFY(!f.w->BitBtn1->isEnabled());
        p.info("Fornecedor deve ser informado!", "Informação");
        f.w->BitBtn8->click();
        QVERIFY_PROMPTS(p);
        f.chooseSpecies(f.w->fornecedor1, "MADEIREIRA BETA");
        p.error("Não há Nota Fiscal para vizualizar com os critérios informados!", "Informação");
        f.w->BitBtn8->click();
        QVERIFY_PROMPTS(p);
        QVERIFY(!f.w->BitBtn13->isVisible());
        f.w->BitBtn7->click();
        QCOMPARE(f.w->PageControl1->currentIndex(), 0);
        QVERIFY(f.w->BitBtn1->isEnabled());
    }

    // Deleting an invoice with three logs removes them and the yard stock
    // falls by their volumes; an invoice with a sawn log is kept whole.
    void deleteInvoiceAndYardStock()
    {
        Fixture f;
        auto save = [&](int number) {
            f.dm.TEntrada->setValue("NOME_TRANSPORTADOR", "X");
            f.dm.TEntrada->setValue("VALOR_TOTAL_NOTA", 1.0);
            f.dm.TEntrada->setValue("DATA_SAIDA", QDate(2024, 3, 15));
            auto &p = f.p;
            p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
            f.w->BitBtn1->click();
            QVERIFY_PROMPTS(p);
            Q_UNUSED(number);
        };
        f.newInvoice(f.supplierA, 10);
        f.addLog(1, "CEDRO", "4", "0,5", "0,45", "10", "120"); // 0,81
        f.addLog(2, "CEDRO", "3", "0,4", "0,4", "0", "10");    // 0,48
        f.addLog(3, "IPE", "2,5", "0,33", "0,5", "0", "10");   // 0,4125
        save(10);
        f.w->show();
        f.newInvoice(f.supplierA, 11);
        f.addLog(4, "CEDRO", "2", "0,5", "0,5", "0", "10");    // 0,5
        f.addLog(5, "CEDRO", "2", "0,5", "0,5", "0", "10");    // 0,5, sawn below
        save(11);
        // Another supplier's invoice with the same number 10 must survive
        // the deletion of supplier A's invoice 10.
        f.w->show();
        f.newInvoice(f.supplierB, 10);
        f.addLog(6, "IPE", "2", "0,5", "0,5", "0", "10");      // 0,5
        save(10);
        data::Table lines(f.dm.IBDatabase1, "ENTRADA_TOROS_DISCRIMINACAO", "CODDISCRIMINACAO");
        lines.setFilter("CODIGOPRODUTO = 5");
        lines.setFiltered(true);
        lines.open();
        lines.setValue("SITUACAO", 1);
        lines.post();

        TfrmConsultaEPatio yard(&f.dm);
        auto stock = [&] {
            yard.TipoGeral->click();
            yard.BitBtn3->click();
            return yard.TENTRADA1->text();
        };
        QCOMPARE(stock(), QString("2,7025"));

        f.w->show();
        f.w->BitBtn6->click();
        f.chooseSpecies(f.w->fornecedor1, "MADEIREIRA ALFA");
        f.w->nota1->setValue(11);
        f.w->BitBtn8->click();
        QCOMPARE(f.dm.TEntrada1->recordCount(), 1);
        QCOMPARE(f.dm.TEntradaDiscriminacao1->recordCount(), 2);
        auto &p = f.p;
        p.error("A Nota Fiscal 000011 possui 1 toro(s) já serrado(s) na Produção e não pode ser excluída, Verifíque!",
                "Exclusão");
        f.w->BitBtn13->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(sumOf(f.dm, "select count(*) from ENTRADA_TOROS_DISCRIMINACAO"), 6.0);

        f.w->nota1->setValue(10);
        f.w->BitBtn8->click();
        QCOMPARE(f.dm.TEntradaDiscriminacao1->recordCount(), 3);
        QCOMPARE(f.dm.TEntrada1->displayText("NF_NUMERO"), QString("000010"));
        p.question("Confirma Exclusão?", "Confirmação", true);
        f.w->BitBtn13->click();
        QVERIFY_PROMPTS(p);
        QCOMPARE(sumOf(f.dm, "select count(*) from ENTRADA_TOROS where NF_NUMERO = 10"), 1.0);
        QCOMPARE(sumOf(f.dm, "select count(*) from ENTRADA_TOROS_DISCRIMINACAO"), 3.0);
        QCOMPARE(sumOf(f.dm, "select count(*) from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = 6"), 1.0);
        QCOMPARE(stock(), QString("1,0000")); // 2,7025 - 0,81 - 0,48 - 0,4125
        p.error("Não há Lançamento(s) para ser(em) excluído(s)!", "Pesquisa");
        f.w->BitBtn13->click();
        QVERIFY_PROMPTS(p);
    }

    // Whatever state the window was left in (a search that found invoices,
    // a saved invoice with lines), the next showing starts idle.
    void idleOnEveryShowing()
    {
        Fixture f;
        auto &p = f.p;
        auto idle = [&] {
            for (QPushButton *b : {f.w->BitBtn4, f.w->BitBtn2, f.w->BitBtn1, f.w->BitBtn5, f.w->BitBtn6, f.w->BitBtn3})
                QVERIFY2(b->isVisible() && b->isEnabled(), qPrintable(b->objectName()));
            for (QPushButton *b : {f.w->BitBtn12, f.w->BitBtn9, f.w->BitBtn10, f.w->BitBtn11})
                QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
            QVERIFY(!f.w->BitBtn13->isVisible());
            QVERIFY(!f.w->BitBtn7->isVisible());
            QVERIFY(f.w->DBGrid3->isVisible());
            QVERIFY(!f.w->DBGrid2->isVisible());
            QCOMPARE(f.w->PageControl1->currentIndex(), 0);
        };
        f.newInvoice(f.supplierA, 5);
        f.addLog(4, "CEDRO", "4", "0,5", "0,45", "10", "120");
        f.dm.TEntrada->setValue("NOME_TRANSPORTADOR", "X");
        f.dm.TEntrada->setValue("VALOR_TOTAL_NOTA", 97.2);
        f.dm.TEntrada->setValue("DATA_SAIDA", QDate(2024, 3, 15));
        p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(p);
        QVERIFY(!f.w->isVisible());
        f.w->show();
        idle();

        // A search that finds the invoice shows "&Confirma"; "&Retornar" closes.
        f.w->BitBtn6->click();
        f.chooseSpecies(f.w->fornecedor1, "MADEIREIRA ALFA");
        f.w->BitBtn8->click();
        QVERIFY(f.w->BitBtn13->isVisible());
        f.w->BitBtn3->click();
        QVERIFY(!f.w->isVisible());
        f.w->show();
        idle();
        // The empty stand-in grid shows the lines grid's titles.
        QCOMPARE(f.w->DBGrid3->model()->columnCount(), 5);
        QCOMPARE(f.w->DBGrid3->model()->headerData(0, Qt::Horizontal).toString(), QString("Plaqueta"));
        QCOMPARE(f.w->DBGrid3->model()->headerData(4, Qt::Horizontal).toString(), QString("Val. Total"));

        // "&Incluir" leaves "&Gravar" and "&Cancelar" to the new invoice.
        f.w->BitBtn4->click();
        QVERIFY(f.w->BitBtn1->isEnabled() && f.w->BitBtn2->isEnabled());
        QVERIFY(!f.w->BitBtn3->isEnabled() && !f.w->BitBtn13->isVisible());
    }

    // The searched invoice and its lines as the grids show them: the data
    // module's display formats and the time's edit mask.
    void searchGridsShowFormats()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 123);
        f.addLog(101, "CEDRO", "4", "0,5", "0,45", "10", "120");
        // The lines grid shows the plate as the edit does.
        QVERIFY(f.w->DBGrid2->isVisible());
        auto cell = [](widgets::DBGrid *g, int row, int column) {
            return g->model()->index(row, column).data().toString();
        };
        QCOMPARE(cell(f.w->DBGrid2, 0, 0), QString("000101"));
        QCOMPARE(cell(f.w->DBGrid2, 0, 2), QString("0,8100"));
        QCOMPARE(cell(f.w->DBGrid2, 0, 4), QString("97,20"));
        f.dm.TEntrada->setValue("HORA_SAIDA", "0930");
        f.dm.TEntrada->setValue("NOME_TRANSPORTADOR", "X");
        f.dm.TEntrada->setValue("VALOR_TOTAL_NOTA", 97.2);
        f.dm.TEntrada->setValue("VALOR_ICMS", 170.0);
        f.dm.TEntrada->setValue("DATA_SAIDA", QDate(2024, 3, 15));
        f.p.question("Confirma a Inclusão?", "Confirmação", true).question("Continua Lançamento?", "Confirmação", false);
        f.w->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        f.w->show();
        f.w->BitBtn6->click();
        f.chooseSpecies(f.w->fornecedor1, "MADEIREIRA ALFA");
        f.w->BitBtn8->click();
        QCOMPARE(cell(f.w->DBGrid1, 0, 0), QString("000123"));
        QCOMPARE(cell(f.w->DBGrid1, 0, 3), QString("09:30"));
        QCOMPARE(cell(f.w->DBGrid5, 0, 0), QString("0,8100"));
        QCOMPARE(cell(f.w->DBGrid5, 0, 1), QString("97,20"));
        QCOMPARE(cell(f.w->DBGrid5, 0, 3), QString("170,00"));
        QCOMPARE(cell(f.w->DBGrid5, 0, 4), QString(""));
        QCOMPARE(cell(f.w->DBGrid4, 0, 0), QString("000101"));
        // Only the number column of the invoice grid is drawn apart.
        QVERIFY(f.w->DBGrid1->itemDelegateForColumn(0));
        QVERIFY(!f.w->DBGrid1->itemDelegateForColumn(1));
        QVERIFY(f.w->DBGrid1->styleSheet().isEmpty());
    }

    // The supplier picker puts the focus on "Nota Fiscal" as it closes: the
    // number is entered and the line "Incluir" is enabled.
    void pickerFocusEntersTheNumber()
    {
        Fixture f;
        auto *picker = new TfrmPesquisa(&f.dm, f.w.get());
        f.w->setSupplierPicker(widgets::Picker::of(picker));
        QVERIFY(activatedAgain(f.w.get()));
        bool chosen = false;
        whenModalActive([&](QWidget *modal) {
            chosen = modal == picker && !f.w->isActiveWindow();
            QTest::keyClicks(picker->Edit1, "madeireira beta");
            picker->BitBtn1->click();
        });
        f.w->BitBtn4->click();
        QVERIFY(chosen);
        QVERIFY(activatedAgain(f.w.get()));
        QCOMPARE(f.w->fornecedor->text(), QString("MADEIREIRA BETA"));
        QCOMPARE(QApplication::focusWidget(), f.w->nota);
        QVERIFY(f.w->BitBtn12->isEnabled());
    }

    // A real box ("Valor Total da Nota deve ser informada!") moves the focus
    // to the invoice total as it closes: the field takes the products total.
    void checkBoxFocusEntersTheTotal()
    {
        Fixture f;
        f.newInvoice(f.supplierA, 8);
        f.addLog(800, "CEDRO", "4", "0,5", "0,45", "10", "120");
        QCOMPARE(f.w->totalproduto->text(), QString("97,20"));
        f.dm.TEntrada->setValue("NOME_TRANSPORTADOR", "X");
        f.dm.TEntrada->setValue("DATA_SAIDA", QDate(2024, 3, 15));
        QVERIFY(activatedAgain(f.w.get()));
        QVERIFY(focusTo(f.w->NOME_TRANSPORTADOR));
        widgets::BoxPrompter boxes;
        widgets::Prompter::install(&boxes);
        QString shown;
        whenModalActive([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box) {
                modal->close();
                return;
            }
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        f.w->BitBtn1->click();
        widgets::Prompter::install(&f.p);
        QCOMPARE(shown, QString("Valor Total da Nota deve ser informada!"));
        QVERIFY(activatedAgain(f.w.get()));
        QTRY_COMPARE(QApplication::focusWidget(), f.w->totalnota);
        QCOMPARE(f.w->totalnota->value(), 97.2);
        QCOMPARE(f.dm.TEntrada->asDouble("VALOR_TOTAL_NOTA"), 97.2);
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestEntradaToros t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_EntradaToros.moc"
