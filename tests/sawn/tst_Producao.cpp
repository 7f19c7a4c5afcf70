#include "WindowTest.h"

#include "data/Statement.h"
#include "data/Table.h"
#include "data/UnitDM.h"
#include "sawn/UnitProducao.h"
#include "statements/UnitPesquisa1.h"
#include "statements/UnitPesquisa2.h"
#include "widgets/DBEdit.h"
#include "widgets/DateEdit.h"
#include "widgets/KeyNavigation.h"
#include "widgets/NumericEdit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString kLanc = QStringLiteral("Lançamento");
const QString kConf = QStringLiteral("Confirmação");

void altKey(QWidget *w, Qt::Key key)
{
    QTest::keyClick(w->window()->windowHandle(), key, Qt::AltModifier);
    QTest::qWait(200); // a mnemonic clicks after its press animation
}

// Runs STEP inside the modal window NAME once it is up and active, as the
// user meets it.
void whenShown(const QString &name, const std::function<void(QWidget *)> &step)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, name, step] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != name || !modal->isActiveWindow())
            return;
        poll->stop();
        poll->deleteLater();
        step(modal);
    });
    poll->start(5);
}

// Types TEXT into the picker's search edit and presses Enter.
void typeAndChoose(QWidget *picker, const QString &text)
{
    auto *edit = picker->findChild<QLineEdit *>(QStringLiteral("Edit1"));
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

// The production window driven from the keyboard, with its two pickers.
class TestProducao : public QObject
{
    Q_OBJECT

    struct Fixture : WindowFixture
    {
        std::unique_ptr<TfrmProducao> w;
        TfrmPesquisa1 *products = nullptr;
        TfrmPesquisa2 *logs = nullptr;

        Fixture()
        {
            product("TABUA", 4.0);
            product("VIGA", 3.0);
            product("SEM INDICE", 0.0);
            log(101, 12.0);
            log(102, 1.0);
            log(1010, 2.0);
            w = std::make_unique<TfrmProducao>(&dm);
            products = new TfrmPesquisa1(&dm, w.get());
            logs = new TfrmPesquisa2(&dm, w.get());
            w->setPickers(widgets::Picker::of(products), widgets::Picker::of(logs));
            w->show();
            w->activateWindow();
            [&] { QVERIFY(QTest::qWaitForWindowActive(w.get())); }();
        }

        void product(const QString &name, double factor)
        {
            data::execute(dm.IBDatabase1, "insert into PRODUTO (NOMEGRAU, FATOR) values (:n, :f)",
                          {{"n", name}, {"f", factor}});
        }
        void log(int plate, double volume)
        {
            data::execute(dm.IBDatabase1,
                          "insert into ENTRADA_TOROS_DISCRIMINACAO (CODIGOPRODUTO, NFNUMERO, CODIGOFORNECEDOR, "
                          "ESSENCIA, CODIGOESSENCIA, QUANTIDADE, VALTOTAL, SITUACAO, CPF) "
                          "values (:p, 1, 1, 'IPE', 7, :q, 80, 0, 1)",
                          {{"p", plate}, {"q", volume}});
        }
        int situacao(int plate)
        {
            return data::firstRow(dm.IBDatabase1,
                                  "select SITUACAO from ENTRADA_TOROS_DISCRIMINACAO where CODIGOPRODUTO = :p",
                                  {{"p", plate}}).value(0).toInt();
        }
        int productions()
        {
            return data::firstRow(dm.IBDatabase1, "select count(*) from PRODUCAO").value(0).toInt();
        }
        double sawn(int plate)
        {
            return data::firstRow(dm.IBDatabase1, "select QSERRADA from PRODUCAO where CODPRODUTO = :p",
                                  {{"p", plate}}).value(0).toDouble();
        }

        // "&Incluir", then Enter into the product field: the product picker,
        // then the yard-log picker, each answered by typing. An empty LOG
        // leaves the log picker with Esc.
        void include(const QString &product, const QString &log)
        {
            altKey(w.get(), Qt::Key_I);
            QCOMPARE(QApplication::focusWidget(), w->DATA);
            QCOMPARE(w->DATA->date(), QDate::currentDate());
            chooseFromProductField(product, log);
        }
        void chooseFromProductField(const QString &product, const QString &log)
        {
            whenShown("TfrmPesquisa1", [product, log](QWidget *picker) {
                whenShown("TfrmPesquisa2", [log](QWidget *second) {
                    if (log.isEmpty())
                        QTest::keyClick(second->findChild<QLineEdit *>("Edit1"), Qt::Key_Escape);
                    else
                        typeAndChoose(second, log);
                });
                typeAndChoose(picker, product);
            });
            if (!w->DATA->hasFocus())
                QTest::mouseClick(w->DATA, Qt::LeftButton);
            QTest::keyClick(w->DATA, Qt::Key_Return); // Enter moves on into the product field
            QVERIFY(!logs->isVisible() && !products->isVisible());
            activatedAgain();
        }
        // After a picker or a box closed, the window under it is active
        // again, as the window system makes it.
        void activatedAgain()
        {
            w->activateWindow();
            QVERIFY(QTest::qWaitFor([this] { return QGuiApplication::focusWindow() == w->windowHandle(); }));
        }
    };

private slots:
    // The worked examples: 12,0000 at 4,00 stores 0,3; then "Continua" goes
    // on with 1,0000 at 3,00, which stores 0,0333333333333333.
    void saveComputesTheSawnVolume_andTakesTheLog()
    {
        Fixture f;
        QCOMPARE(f.w->Label1->text(), QStringLiteral("Lançamento da Produção"));
        f.include("tab", "101");
        QCOMPARE(f.w->PRODUTO->text(), QStringLiteral("TABUA"));
        QCOMPARE(f.w->IND->text(), QStringLiteral("4,00"));
        QCOMPARE(f.w->index(), qint64(40000));
        QCOMPARE(f.w->CODPRODUTO->text(), QStringLiteral("101"));
        QCOMPARE(f.w->ESSENCIA->text(), QStringLiteral("IPE"));
        QCOMPARE(f.w->QTORA->text(), QStringLiteral("12,0000"));
        QVERIFY(!f.w->BitBtn7->isEnabled());

        f.p.question("Confirma a Inclusão/Alteração?", kConf, true).question("Continua Lançamento?", kConf, true);
        QTest::keyClick(f.w->PRODUTO, Qt::Key_Return); // Enter in the product field saves
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.sawn(101), 0.3);
        QCOMPARE(f.situacao(101), 1);
        // A new row dated today, the index back to 0.
        QCOMPARE(f.w->IND->text(), QStringLiteral("0,00"));
        QCOMPARE(f.w->DATA->date(), QDate::currentDate());
        QVERIFY(f.w->PRODUTO->text().isEmpty());

        f.chooseFromProductField("viga", "102");
        f.p.question("Confirma a Inclusão/Alteração?", kConf, true).question("Continua Lançamento?", kConf, false);
        altKey(f.w.get(), Qt::Key_G);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.sawn(102), 0.0333333333333333);
        QCOMPARE(f.situacao(102), 1);
        QVERIFY(!f.w->isVisible());
        QVERIFY(!f.dm.TPRODUCAO->isActive());
        QCOMPARE(f.productions(), 2);
    }

    // Each check with its message, nothing stored; No to the confirmation
    // keeps the row in entry.
    void checksInOrder()
    {
        Fixture f;
        f.p.info("Data da Serragem deve ser informada!", kLanc);
        altKey(f.w.get(), Qt::Key_G);
        QVERIFY_PROMPTS(f.p);

        // The log picker left without a choice: no log.
        f.include("tab", "");
        QVERIFY(f.w->CODPRODUTO->text().isEmpty());
        f.p.info("Código do Produto/Toro deve ser informado!", kLanc);
        altKey(f.w.get(), Qt::Key_G);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), f.w->CODPRODUTO);

        // A product without an index.
        f.chooseFromProductField("sem", "1010");
        QCOMPARE(f.w->CODPRODUTO->text(), QStringLiteral("1010"));
        f.p.info("Indice de transformação não informado para o produto selecionado, verífique no cadastro de "
                 "produto!", kLanc);
        altKey(f.w.get(), Qt::Key_G);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), f.w->DATA);

        f.chooseFromProductField("viga", "1010");
        f.p.question("Confirma a Inclusão/Alteração?", kConf, false);
        altKey(f.w.get(), Qt::Key_G);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.productions(), 0);
        QCOMPARE(f.situacao(1010), 0);
        QVERIFY(f.dm.TPRODUCAO->isEditing());

        // "&Cancelar" drops the row.
        altKey(f.w.get(), Qt::Key_C);
        QVERIFY(!f.dm.TPRODUCAO->isActive());
        QVERIFY(f.w->BitBtn7->isEnabled());
        QCOMPARE(f.w->IND->text(), QStringLiteral("0,00"));
    }

    // Another workstation saws the log after the picker listed it: the save
    // is refused with a message and nothing changes.
    void logSawnMeanwhileIsRefused()
    {
        Fixture f;
        f.include("tab", "101");
        data::execute(f.dm.IBDatabase1, "update ENTRADA_TOROS_DISCRIMINACAO set SITUACAO = 1 where CODIGOPRODUTO = 101");
        f.p.question("Confirma a Inclusão/Alteração?", kConf, true)
            .warning("Toro 101 já foi serrado em outro lançamento, escolha outro Toro!", kLanc);
        altKey(f.w.get(), Qt::Key_G);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.productions(), 0);
        QVERIFY(f.dm.TPRODUCAO->isEditing());
    }

    // The search page finds a production by its log; deleting it puts the
    // log back in the yard and in the yard-log picker.
    void searchAndDelete()
    {
        Fixture f;
        f.p.info("Não hà Lançamentos para pesquisa!", "Pesquisa");
        altKey(f.w.get(), Qt::Key_P);
        QVERIFY_PROMPTS(f.p);
        f.p.warning("Não há registros para exclusão!", "Informação");
        altKey(f.w.get(), Qt::Key_E);
        QVERIFY_PROMPTS(f.p);

        for (const char *log : {"101", "1010"}) {
            f.include("tab", log);
            f.p.question("Confirma a Inclusão/Alteração?", kConf, true).question("Continua Lançamento?", kConf, false);
            altKey(f.w.get(), Qt::Key_G);
            QVERIFY_PROMPTS(f.p);
            f.w->show();
            f.activatedAgain();
        }
        // Sawn logs are no longer offered.
        f.logs->show();
        QCOMPARE(f.logs->Panel2->text(), QStringLiteral("1"));
        f.logs->BitBtn2->click();
        f.activatedAgain();

        altKey(f.w.get(), Qt::Key_P);
        QCOMPARE(f.w->PageControl1->currentIndex(), 1);
        QCOMPARE(f.w->Label1->text(), QStringLiteral("Pesquisa de Lançamento da Prdução"));
        QCOMPARE(QApplication::focusWidget(), f.w->Edit1);
        QVERIFY(!f.w->BitBtn1->isEnabled() && !f.w->BitBtn4->isEnabled());
        QVERIFY(f.w->BitBtn6->isVisible() && !f.w->BitBtn5->isVisible());
        // Only the whole code finds the row.
        QTest::keyClicks(f.w->Edit1, "101");
        QCOMPARE(f.dm.TPRODUCAO->asString("CODPRODUTO"), QStringLiteral("101"));
        QTest::keyClick(f.w->Edit1, Qt::Key_0);
        QCOMPARE(f.dm.TPRODUCAO->asString("CODPRODUTO"), QStringLiteral("1010"));

        f.p.question("Confirma Exclusão?", kConf, false);
        altKey(f.w.get(), Qt::Key_E);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.productions(), 2);
        f.p.question("Confirma Exclusão?", kConf, true);
        altKey(f.w.get(), Qt::Key_E);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.productions(), 1);
        QCOMPARE(f.situacao(1010), 0);
        QCOMPARE(f.situacao(101), 1);
        QCOMPARE(f.dm.TPRODUCAO->recordCount(), 1);

        f.logs->show();
        QCOMPARE(f.logs->Panel2->text(), QStringLiteral("2"));
        f.logs->BitBtn2->click();
        f.activatedAgain();

        // "Ca&dastro" closes the list.
        altKey(f.w.get(), Qt::Key_D);
        QCOMPARE(f.w->PageControl1->currentIndex(), 0);
        QVERIFY(!f.dm.TPRODUCAO->isActive());
        QCOMPARE(f.w->Label1->text(), QStringLiteral("Lançamento da Produção"));
        // Esc is "&Retornar".
        QTest::keyClick(f.w.get(), Qt::Key_Escape);
        QVERIFY(!f.w->isVisible());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    widgets::KeyNavigator::instance().install(); // Enter and Esc move between fields, as in the program
    TestProducao t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_Producao.moc"
