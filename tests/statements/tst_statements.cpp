#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "WindowTest.h"

#include "data/DataError.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "statements/UnitDemo.h"
#include "statements/UnitPesquisaEntrada.h"
#include "statements/UnitfrmFunrural.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/MovementWindow.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {

const QString kInfo = QStringLiteral("Informação");

void altKey(QWidget *w, Qt::Key key)
{
    QTest::keyClick(w->window()->windowHandle(), key, Qt::AltModifier);
    QTest::qWait(150);
}

void typeDate(widgets::DateEdit *edit, const char *digits)
{
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClicks(edit, digits);
}

QVariant nullDouble()
{
    return QVariant(QMetaType(QMetaType::Double));
}

void logLine(data::Connection *c, const QDateTime &when, const QVariant &qty, const QVariant &total, int plate)
{
    data::execute(c,
                  QStringLiteral("INSERT INTO ENTRADA_TOROS_DISCRIMINACAO (CODIGOPRODUTO, DATALANCAMENTO, QUANTIDADE, "
                                 "VALUNITARIO, VALTOTAL, NFNUMERO, SITUACAO, CPF) VALUES (:p, :d, :q, 80, :v, 1, 0, 0)"),
                  {{"p", plate}, {"d", when}, {"q", qty}, {"v", total}});
}

void lineOf(data::Connection *c, const QString &table, const QString &qtyColumn, const QDate &day, double qty,
            double total)
{
    data::execute(c,
                  QStringLiteral("INSERT INTO %1 (DATALANCAMENTO, %2, VALUNITARIO, VALTOTAL, NFNUMERO, CPF) "
                                 "VALUES (:d, :q, 1, :v, 7, 0)")
                      .arg(table, qtyColumn),
                  {{"d", day}, {"q", qty}, {"v", total}});
}

void invoice(data::Connection *c, int number, const QDate &issued, int supplier, const QVariant &funrural)
{
    data::execute(c,
                  QStringLiteral("INSERT INTO ENTRADA_TOROS (NF_NUMERO, DATA_EMISSAO, CODIGOFORNECEDOR, "
                                 "BASE_CALCULO_FUNRURAL, ALIQ_FUNRURAL, VALOR_FUNRURAL) VALUES (:n, :d, :f, 1000, 2.3, :v)"),
                  {{"n", number}, {"d", issued}, {"f", supplier}, {"v", funrural}});
}

} // namespace

class TestStatements : public QObject
{
    Q_OBJECT

    struct Fixture : WindowFixture
    {
        QWidget host;
        TfrmPesquisa *suppliers = nullptr;

        Fixture()
        {
            dm.IBDatabase1->open();
            widgets::windows().clear();
            suppliers = new TfrmPesquisa(&dm, &host);
            widgets::windows().add(suppliers);
        }
        ~Fixture() { widgets::windows().clear(); }

        template <typename W>
        std::unique_ptr<W> open()
        {
            return openActive<W>(&dm, [this](W *w) {
                if constexpr (std::is_same_v<W, TfrmFunRural>)
                    w->setSupplierPicker(widgets::Picker::of(suppliers));
                widgets::windows().add(w);
            });
        }
    };

    static QStringList labels(const TfrmDemo *w)
    {
        return {w->QTORO->text(), w->VTORO->text(), w->QSERRADA->text(), w->VSERRADA->text(),
                w->QUANTIDADE->text(), w->ESTOQUE->text()};
    }

private slots:
    void purchasesOfAPeriod() { reporting([this] { purchases(); }); }
    void salesThenBackToPurchases() { reporting([this] { sales(); }); }
    void funRuralTotals() { reporting([this] { funRural(); }); }

private:
    // Purchases: lines of the period only, both bounds whole days (a line
    // typed at 16:40 on the last day counts), an empty value as 0.
    void purchases()
    {
        Fixture f;
        data::Connection *c = f.dm.IBDatabase1;
        logLine(c, QDateTime(QDate(2026, 3, 1), QTime(0, 0)), 10.0, 800.0, 1);
        logLine(c, QDateTime(QDate(2026, 3, 31), QTime(16, 40)), 2.5, 200.0, 2);
        logLine(c, QDateTime(QDate(2026, 3, 15), QTime(0, 0)), nullDouble(), nullDouble(), 3);
        logLine(c, QDateTime(QDate(2026, 4, 1), QTime(0, 0)), 99.0, 9999.0, 4);
        logLine(c, QDateTime(QDate(2026, 2, 28), QTime(23, 59)), 99.0, 9999.0, 5);
        lineOf(c, "ENTRADA_SERRADA_DISCRIMINACAO", "QUANTIDADE", QDate(2026, 3, 10), 3.25, 250.5);
        lineOf(c, "SAIDA_MADEIRAS_DISCRIMINACAO", "TOTALM3", QDate(2026, 3, 10), 7, 700);

        auto w = f.open<TfrmDemo>();
        QCOMPARE(w->windowTitle(), QStringLiteral("Demonstrativo de Compras/Vendas"));
        QVERIFY(w->Compras->isChecked());
        QVERIFY(w->DBGrid1->isVisible() && w->DBGrid2->isVisible());
        QVERIFY(!w->DBGrid3->isVisible() && !w->DBGrid4->isVisible());

        f.p.info("Período Inicial deve ser informado!", kInfo);
        altKey(w.get(), Qt::Key_C);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->DateEdit1);
        typeDate(w->DateEdit1, "01032026");
        f.p.info("Período Final deve ser informado!", kInfo);
        altKey(w.get(), Qt::Key_C);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w->DateEdit2);
        typeDate(w->DateEdit2, "31032026");
        altKey(w.get(), Qt::Key_C);
        QVERIFY_PROMPTS(f.p);

        QCOMPARE(labels(w.get()), QStringList({"12,5000", "1000,00", "3,2500", "250,50", "15,7500", "1250,50"}));
        QCOMPARE(w->DBGrid1->model()->rowCount(), 3);
        QCOMPARE(w->DBGrid2->model()->rowCount(), 1);
        QCOMPARE(w->DBGrid1->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Qtdade (M/3)"));

        // One day: that day's lines.
        typeDate(w->DateEdit1, "31032026");
        altKey(w.get(), Qt::Key_C);
        QCOMPARE(labels(w.get()), QStringList({"2,5000", "200,00", "0,0000", "0,00", "2,5000", "200,00"}));

        // Start after end: empty blocks, zero totals.
        typeDate(w->DateEdit1, "01042026");
        typeDate(w->DateEdit2, "01032026");
        altKey(w.get(), Qt::Key_C);
        QCOMPARE(labels(w.get()), QStringList({"0,0000", "0,00", "0,0000", "0,00", "0,0000", "0,00"}));
        QVERIFY_PROMPTS(f.p);
    }

    // Sales read the sawn-wood output by its cubic metres (TOTALM3) and the
    // log output table, empty here; switching back empties everything.
    void sales()
    {
        Fixture f;
        data::Connection *c = f.dm.IBDatabase1;
        lineOf(c, "SAIDA_MADEIRAS_DISCRIMINACAO", "TOTALM3", QDate(2026, 5, 2), 1.125, 450.1);
        lineOf(c, "SAIDA_MADEIRAS_DISCRIMINACAO", "TOTALM3", QDate(2026, 5, 3), 2, 800.2);
        lineOf(c, "ENTRADA_SERRADA_DISCRIMINACAO", "QUANTIDADE", QDate(2026, 5, 3), 3.25, 250.5);

        auto w = f.open<TfrmDemo>();
        w->Vendas->click();
        QVERIFY(!w->DBGrid1->isVisible() && !w->DBGrid2->isVisible());
        QVERIFY(w->DBGrid3->isVisible() && w->DBGrid4->isVisible());
        typeDate(w->DateEdit1, "01052026");
        typeDate(w->DateEdit2, "31052026");
        altKey(w.get(), Qt::Key_C);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(labels(w.get()), QStringList({"0,0000", "0,00", "3,1250", "1250,30", "3,1250", "1250,30"}));
        QCOMPARE(w->DBGrid4->model()->rowCount(), 2);
        QCOMPARE(w->DBGrid3->model()->rowCount(), 0);

        w->Compras->click();
        QCOMPARE(labels(w.get()), QStringList({"", "", "", "", "", ""}));
        QVERIFY(w->DBGrid1->isVisible() && w->DBGrid2->isVisible());
        QCOMPARE(w->DBGrid1->model()->rowCount(), 0);
        QCOMPARE(w->DBGrid2->model()->rowCount(), 0);

        // "&Retornar" leaves the tables unfiltered and closed.
        altKey(w.get(), Qt::Key_R);
        QVERIFY(!w->isVisible());
        QVERIFY(!f.dm.TSaida_Discriminacao->filtered());
        QVERIFY(!f.dm.TEntrada_discriminacao->isActive());
    }

    // The FunRural of all suppliers, then of the one chosen in the picker;
    // clearing the box goes back to all. An empty value counts as 0.
    void funRural()
    {
        Fixture f;
        data::Connection *c = f.dm.IBDatabase1;
        data::execute(c, "INSERT INTO FORNECEDOR (NOMEFORNECEDOR, INSCESTADUAL) VALUES ('MADEIREIRA NORTE', '1')");
        data::execute(c, "INSERT INTO FORNECEDOR (NOMEFORNECEDOR, INSCESTADUAL) VALUES ('SERRARIA SUL', '2')");
        const int norte = data::firstRow(c, "SELECT CODIGOFORNECEDOR FROM FORNECEDOR WHERE INSCESTADUAL = '1'").value(0).toInt();
        const int sul = data::firstRow(c, "SELECT CODIGOFORNECEDOR FROM FORNECEDOR WHERE INSCESTADUAL = '2'").value(0).toInt();
        invoice(c, 1, QDate(2026, 6, 1), norte, 10.5);
        invoice(c, 2, QDate(2026, 6, 30), norte, 20.25);
        invoice(c, 3, QDate(2026, 6, 15), norte, nullDouble());
        invoice(c, 4, QDate(2026, 6, 10), sul, 5.0);
        invoice(c, 5, QDate(2026, 7, 1), norte, 100.0);

        auto w = f.open<TfrmFunRural>();
        QCOMPARE(w->windowTitle(), QStringLiteral("Consulta FunRural"));
        QCOMPARE(QApplication::focusWidget(), w->DateEdit1);
        QVERIFY(!w->SpeedButton1->isEnabled());

        f.p.info("Período Inicial deve ser informado!", "Consulta");
        altKey(w.get(), Qt::Key_C);
        QVERIFY_PROMPTS(f.p);
        typeDate(w->DateEdit1, "01062026");
        typeDate(w->DateEdit2, "30062026");
        altKey(w.get(), Qt::Key_C);
        QCOMPARE(w->ESTOQUE->text(), QStringLiteral("35,75"));
        QCOMPARE(w->DBGrid1->model()->rowCount(), 4);

        // One supplier, chosen in the picker with the keys.
        QTest::keyClick(w->CheckBox1, Qt::Key_Space);
        QVERIFY(w->SpeedButton1->isEnabled());
        // The picker is modal: answered once it is up, however long that takes.
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QApplication::activeModalWidget() != f.suppliers)
                return;
            poll.stop();
            QTest::keyClicks(f.suppliers->Edit1, "madeireira");
            QTest::keyClick(f.suppliers->Edit1, Qt::Key_Return);
        });
        poll.start(30);
        altKey(w.get(), Qt::Key_P);
        QTRY_VERIFY(!poll.isActive());
        QTRY_VERIFY(!f.suppliers->isVisible());
        QCOMPARE(w->FORNECEDOR->text(), QStringLiteral("MADEIREIRA NORTE"));
        QCOMPARE(w->essencia->text().toInt(), norte);
        // The window's focus, which it has again once active.
        QCOMPARE(w->focusWidget(), w->BitBtn1);
        QVERIFY(activeAgain(w.get()));
        altKey(w.get(), Qt::Key_C);
        QCOMPARE(w->ESTOQUE->text(), QStringLiteral("30,75"));
        QCOMPARE(w->DBGrid1->model()->rowCount(), 3);

        // One day.
        typeDate(w->DateEdit1, "30062026");
        altKey(w.get(), Qt::Key_C);
        QCOMPARE(w->ESTOQUE->text(), QStringLiteral("20,25"));

        // Clearing the box clears the supplier: every supplier again.
        typeDate(w->DateEdit1, "01062026");
        QTest::keyClick(w->CheckBox1, Qt::Key_Space);
        QVERIFY(w->essencia->text().isEmpty());
        QVERIFY(!w->SpeedButton1->isEnabled());
        altKey(w.get(), Qt::Key_C);
        QCOMPARE(w->ESTOQUE->text(), QStringLiteral("35,75"));
        QVERIFY_PROMPTS(f.p);

        altKey(w.get(), Qt::Key_R);
        QVERIFY(!w->isVisible());
        QVERIFY(!f.dm.TEntrada->isActive());
        QVERIFY(w->ESTOQUE->text().isEmpty());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestStatements t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_statements.moc"
