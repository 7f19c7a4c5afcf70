#include "LogsTestKit.h"
#include "MovementFixture.h"

#include "logs/Unitromaneiotoro.h"
#include "logs/Unitromaneiotorosprodutos.h"
#include "statements/UnitPesquisa3.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/WindowRegistry.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QAbstractItemView>
#include <QSpinBox>
#include <QTimer>

using namespace logstest;

// The log packing list, through the client picker as the user reaches it.
class TestRomaneiotoro : public QObject
{
    Q_OBJECT

    struct Fixture : MovementFixture<TfrmRomaneiotoro, TfrmRomaneiotorosprodutos, TfrmPesquisa3>
    {
        QVariant alfa, beta;

        Fixture()
        {
            addSpecies(dm, "CEDRO");
            alfa = addClient(dm, "SERRARIA ALFA", "12345678000195");
            beta = addClient(dm, "SERRARIA BETA", "11222333000181");
            openWithPicker(&TfrmRomaneiotoro::setClientPicker);
        }

        // "&Incluir/Alterar", the client chosen in the picker by typing its name.
        void chooseClient(const QString &name, int number)
        {
            QTimer::singleShot(0, [&] {
                QTest::keyClicks(picker->Edit1, name.toLower());
                picker->BitBtn1->click();
            });
            w->BitBtn5->click();
            QVERIFY(w->nota->isEnabled());
            QCOMPARE(w->fornecedor->text(), name);
            QVERIFY(focusTo(w->nota));
            w->nota->setValue(number);
            focusTo(w->data); // leaving the number loads the list
        }

        void addRow(int plate, const QString &c, const QString &d, const QString &price, bool another = false)
        {
            w->BitBtn12->click();
            QVERIFY(line->isVisible());
            dm.TROMANEIOTORO->setValue("CODPRODUTO", plate);
            const int i = line->ESSENCIA->findText("CEDRO");
            line->ESSENCIA->setCurrentIndex(i);
            emit line->ESSENCIA->activated(i);
            line->DBComboBox1->setCurrentText("M/3");
            auto type = [&](widgets::NumericEdit *e, const QString &text) {
                QVERIFY(focusTo(e));
                e->setText(text);
                emit e->textEdited(text);
            };
            type(line->COMPRIMENTO, c);
            type(line->DIAMETRO, d);
            QVERIFY(focusTo(line->INDICE));
            type(line->VALUNITARIO, price);
            p.question("Confirma Lançamento?", "Confirmação", true)
                .question("Insere Outro Produto para este Cliente?", "Confirmação", another);
            focusTo(line->BitBtn1); // leaving the price saves, and the window closes
            QVERIFY_PROMPTS(p);
        }
    };

private slots:
    void packingListVolumesTotalsAndIndex()
    {
        Fixture f;
        f.chooseClient("SERRARIA ALFA", 5);
        QCOMPARE(f.line->INDICE->text(), QString("7,854"));
        f.addRow(1, "4", "0,5", "100");
        QCOMPARE(sumOf(f.dm, "select TOTALM3 from ROMANEIO_TORO where CODPRODUTO = 1"), 0.7854);
        QCOMPARE(sumOf(f.dm, "select VLTOTAL from ROMANEIO_TORO where CODPRODUTO = 1"), 78.54);
        QCOMPARE(f.w->m3->text(), QString("0,7854"));
        QCOMPARE(f.w->valtotal->text(), QString("78,54"));
        QCOMPARE(f.w->g->title(), QString("Produtos > 1"));
        QVERIFY(!f.line->isVisible());
        // Index 8 gives 0,8 and stays for the next rows.
        f.line->INDICE->setValue(8);
        f.addRow(2, "4", "0,5", "10");
        QCOMPARE(sumOf(f.dm, "select TOTALM3 from ROMANEIO_TORO where CODPRODUTO = 2"), 0.8);
        QCOMPARE(f.line->INDICE->text(), QString("8,000"));
        QCOMPARE(f.w->m3->text(), QString("1,5854"));
        QCOMPARE(f.w->valtotal->text(), QString("86,54"));
        QCOMPARE(sumOf(f.dm, "select max(NF) from ROMANEIO_TORO"), 5.0);
        QCOMPARE(sumOf(f.dm, "select max(CODEMPRESA) from ROMANEIO_TORO"), f.alfa.toDouble());
    }

    void lineChecksAndReturnWithoutSaving()
    {
        Fixture f;
        f.chooseClient("SERRARIA ALFA", 6);
        f.w->BitBtn12->click();
        // Tab from the plate into the species drops its list down; Esc closes it.
        QVERIFY(activatedAgain(f.line));
        QCOMPARE(QApplication::focusWidget(), f.line->DBEDIT1);
        keyTo(Qt::Key_Tab);
        QTRY_VERIFY(f.line->ESSENCIA->view()->isVisible());
        keyTo(Qt::Key_Escape);
        QVERIFY(!f.line->ESSENCIA->view()->isVisible());
        QVERIFY(f.line->ESSENCIA->hasFocus());
        f.p.info("Essência deve ser informada!", "Lançamento");
        f.line->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        f.line->BitBtn3->click();
        QCOMPARE(sumOf(f.dm, "select count(*) from ROMANEIO_TORO"), 0.0);
    }

    // Loading an existing list asks whether to continue; deleting a list
    // leaves the same number of another client alone.
    void loadAndDeleteWholeList()
    {
        Fixture f;
        f.chooseClient("SERRARIA BETA", 9);
        f.addRow(10, "4", "0,5", "100");
        f.w->BitBtn3->click();
        f.w->show();
        f.chooseClient("SERRARIA ALFA", 9);
        for (int i = 1; i <= 5; ++i)
            f.addRow(i, "2", "0,3", "10");
        f.w->BitBtn3->click();
        f.w->show();
        // No to "continue" resets the number.
        f.p.question("Já possui lançamento para o numero de Nota Fiscal informado, do Cliente selecionado, Deseja Continuar?",
                     "Confirmação", false);
        f.chooseClient("SERRARIA ALFA", 9);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.w->nota->value(), 0);
        // The grid follows the number: list 0 of this client has no row.
        QCOMPARE(f.w->g->title(), QString("Produtos > 0"));
        QVERIFY(!f.w->BitBtn7->isEnabled());
        f.p.question("Já possui lançamento para o numero de Nota Fiscal informado, do Cliente selecionado, Deseja Continuar?",
                     "Confirmação", true);
        f.w->nota->setValue(9);
        QVERIFY(focusTo(f.w->BitBtn6));
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.w->g->title(), QString("Produtos > 5"));
        f.p.question("Ao confirmar, todos os lançamentos efetuados desta empresa para esta Nota Fiscal serão excluídos, "
                     "Confirma Exclusão?", "Confirmação", true);
        f.w->BitBtn6->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.w->g->title(), QString("Produtos > 0"));
        QCOMPARE(sumOf(f.dm, "select count(*) from ROMANEIO_TORO"), 1.0);
        f.p.error("Não há Lançamento(s) para ser(em) excluído(s), Verífique!", "Pesquisa");
        f.w->BitBtn6->click();
        QVERIFY_PROMPTS(f.p);
        // "Relatório" needs the company data first: the company window it
        // was given opens.
        QDialog company;
        f.w->setReportWindows({}, widgets::existingWindow(&company));
        bool opened = false;
        QTimer::singleShot(0, &company, [&] {
            opened = company.isVisible();
            company.reject();
        });
        f.p.info("Parametros da Empresa não informados, Verífique!", "Informação");
        f.w->BitBtn4->click();
        QVERIFY_PROMPTS(f.p);
        QVERIFY(opened);
    }

    // A row typed in the line window joins the list the header shows: while
    // the line window is open the number and the client cannot change under
    // it, and the header's line buttons leave the row alone.
    void rowJoinsTheListShown()
    {
        Fixture f;
        f.chooseClient("SERRARIA ALFA", 5);
        f.addRow(1, "4", "0,5", "100");
        QVERIFY(f.w->BitBtn9->isEnabled());
        f.w->BitBtn12->click();
        QVERIFY(f.line->isVisible());
        f.dm.TROMANEIOTORO->setValue("CODPRODUTO", 2);
        QVERIFY(!f.w->nota->isEnabled());
        QVERIFY(!f.w->BitBtn5->isEnabled());
        QTest::keyClicks(f.w->nota, "6");
        // Delete, next and prior would drop the row or post it unchecked.
        for (QPushButton *b : {f.w->BitBtn9, f.w->BitBtn10, f.w->BitBtn11, f.w->BitBtn12, f.w->BitBtn6})
            b->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.dm.TROMANEIOTORO->state(), data::DataSetState::Insert);
        QCOMPARE(f.dm.TROMANEIOTORO->asDouble("CODPRODUTO"), 2.0);
        f.line->BitBtn3->click();
        QVERIFY(f.w->nota->isEnabled());
        QVERIFY(f.w->BitBtn5->isEnabled());
        // "Alterar" the saved row while the header's number reads another.
        f.w->nota->setValue(6);
        f.w->BitBtn7->click();
        QVERIFY(f.line->isVisible());
        f.dm.TROMANEIOTORO->setValue("VLUNITARIO", 50.0);
        f.dm.TROMANEIOTORO->setValue("VLTOTAL", 39.27);
        f.p.question("Confirma Lançamento?", "Confirmação", true)
            .question("Insere Outro Produto para este Cliente?", "Confirmação", false);
        f.line->BitBtn1->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(sumOf(f.dm, "select count(*) from ROMANEIO_TORO where NF = 5"), 1.0);
        QCOMPARE(sumOf(f.dm, "select VLTOTAL from ROMANEIO_TORO where NF = 5"), 39.27);
        QCOMPARE(sumOf(f.dm, "select count(*) from ROMANEIO_TORO where NF <> 5"), 0.0);
    }

    // "&Retornar" in the picker resets the packing list's number and line "Incluir".
    void pickerReturn()
    {
        Fixture f;
        QTimer::singleShot(0, [&] { f.picker->BitBtn2->click(); });
        f.w->BitBtn5->click();
        QCOMPARE(f.w->nota->value(), 0);
        QVERIFY(!f.w->BitBtn12->isEnabled());
        QVERIFY(!f.w->nota->isEnabled());
        QVERIFY(!f.dm.QCredor->isActive());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestRomaneiotoro t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_Romaneiotoro.moc"
