#include "SawnTestKit.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "WindowTest.h"

#include "sawn/UnitConsultaESerrada.h"
#include "sawn/UnitConsultaProducao.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace logstest;
using namespace sawntest;

namespace {
const QString kConsulta = QStringLiteral("Consulta");
}

// The sawn stock and production queries, driven with the keyboard.
class TestSawnQueries : public QObject
{
    Q_OBJECT

    struct Fixture : WindowFixture
    {
        QVariant cedro, ipe;
        int viga = 0, tabua = 0;
        Fixture()
        {
            cedro = addSpecies(dm, QStringLiteral("CEDRO"));
            ipe = addSpecies(dm, QStringLiteral("IPE"));
            viga = addSubProduct(dm, QStringLiteral("VIGA"));
            tabua = addSubProduct(dm, QStringLiteral("TABUA"));
        }
    };

    static QStringList totals(TfrmConsultaESerrada &w)
    {
        return {w.TotalEntrada->text(), w.TotalProducao->text(), w.TotalSaida->text(), w.Estoque->text()};
    }

private slots:
    // Each refusal with its message and focus; a refused query leaves the
    // totals as they were.
    void stockChecks()
    {
        Fixture f;
        TfrmConsultaESerrada w(&f.dm);
        showActive(&w);
        QVERIFY(!w.Produto->isEnabled() && !w.Essencia->isEnabled());

        f.p.info("Tipo de Consulta deve ser informada!", kConsulta);
        altKey(&w, Qt::Key_C);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(totals(w), QStringList({"", "", "", ""}));

        QTest::mouseClick(w.TipoProdutoEssencia, Qt::LeftButton);
        QVERIFY(w.Produto->isEnabled() && w.Essencia->isEnabled());
        f.p.info("Tipo de Produto deve ser informado!", kConsulta);
        altKey(&w, Qt::Key_C);
        QVERIFY_PROMPTS(f.p);
        // Entering the product drops its list down; Esc closes the list only.
        QTRY_VERIFY(w.Produto->view()->isVisible());
        QVERIFY(listFocused(w.Produto));
        QTest::keyClick(w.Produto->view(), Qt::Key_Escape);

        QVERIFY(choose(w.Produto, "VIGA"));
        // Enter took the product and moved on to the species, whose list
        // dropped down; Esc closes it.
        QTRY_VERIFY(w.Essencia->view()->isVisible());
        QTest::keyClick(w.Essencia->view(), Qt::Key_Escape);
        f.p.info("Essência deve ser informada!", kConsulta);
        altKey(&w, Qt::Key_C);
        QVERIFY_PROMPTS(f.p);
        QVERIFY(listFocused(w.Essencia));
        QVERIFY(w.isVisible());
        QCOMPARE(totals(w), QStringList({"", "", "", ""}));

        // "Produto" asks for the product only; "Geral" for nothing.
        QTest::mouseClick(w.TipoProduto, Qt::LeftButton);
        QVERIFY(w.Produto->isEnabled() && !w.Essencia->isEnabled());
        QTest::mouseClick(w.TipoGeral, Qt::LeftButton);
        QVERIFY(!w.Produto->isEnabled() && !w.Essencia->isEnabled());
        altKey(&w, Qt::Key_C);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(totals(w), QStringList({"0,0000", "0,0000", "0,0000", "0,0000"}));

        // Esc is "&Retornar": everything back to nothing chosen.
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(totals(w), QStringList({"", "", "", ""}));
        QVERIFY(!w.TipoGeral->isChecked() && !w.Produto->isEnabled());
        QVERIFY(!w.Produto->hasSelection());
    }

    // 10,5 + 2,25 - 3 = 9,75 for one product and species. Production counts
    // by the product's name, not by the log plate it keeps as CODPRODUTO.
    void stockOfProductAndSpecies()
    {
        Fixture f;
        addIntake(f.dm, f.cedro, f.viga, 10.5);
        addIntake(f.dm, f.ipe, f.viga, 4);      // another species
        addIntake(f.dm, f.cedro, f.tabua, 100); // another product
        const QDateTime day(QDate(2005, 3, 5), QTime(0, 0));
        addProduction(f.dm, f.tabua, f.cedro, "CEDRO", "VIGA", day, 8, 2); // plate = TABUA's code
        addProduction(f.dm, 501, f.cedro, "CEDRO", "viga", day, 1, 0.25);
        addProduction(f.dm, 502, f.ipe, "IPE", "VIGA", day, 4, 1);
        addOutput(f.dm, f.cedro, f.viga, 3);
        addOutput(f.dm, f.ipe, f.viga, 0.5);

        TfrmConsultaESerrada w(&f.dm);
        showActive(&w);
        QTest::mouseClick(w.TipoProdutoEssencia, Qt::LeftButton);
        QVERIFY(choose(w.Produto, "VIGA"));
        QVERIFY(choose(w.Essencia, "CEDRO"));
        altKey(&w, Qt::Key_C);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(totals(w), QStringList({"10,5000", "2,2500", "3,0000", "9,7500"}));

        // The product over every species.
        QTest::mouseClick(w.TipoProduto, Qt::LeftButton);
        altKey(&w, Qt::Key_C);
        QCOMPARE(totals(w), QStringList({"14,5000", "3,2500", "3,5000", "14,2500"}));

        // TABUA: its intake, no production (a plate equal to its code is
        // not it), no output.
        QVERIFY(choose(w.Produto, "TABUA"));
        altKey(&w, Qt::Key_C);
        QCOMPARE(totals(w), QStringList({"100,0000", "0,0000", "0,0000", "100,0000"}));
        QVERIFY_PROMPTS(f.p);
    }

    // "Geral" with no sawn intake at all: production less output, below zero
    // with its sign.
    void generalStockWithoutIntake()
    {
        Fixture f;
        addProduction(f.dm, 1, f.cedro, "CEDRO", "VIGA", QDateTime(QDate(2026, 1, 2), QTime(0, 0)), 3, 1.1);
        addOutput(f.dm, f.cedro, f.viga, 2.35);
        addOutput(f.dm, f.ipe, f.tabua, 0.00004); // rounds to nothing on its own
        TfrmConsultaESerrada w(&f.dm);
        showActive(&w);
        QTest::mouseClick(w.TipoGeral, Qt::LeftButton);
        altKey(&w, Qt::Key_C);
        QCOMPARE(totals(w), QStringList({"0,0000", "1,1000", "2,3500", "-1,2500"}));
        QVERIFY_PROMPTS(f.p);
    }

    // One day's production, the date typed day first; a species narrows it.
    void productionOfADay()
    {
        Fixture f;
        addProduction(f.dm, 1, f.cedro, "CEDRO", "VIGA", QDateTime(QDate(2005, 3, 5), QTime(0, 0)), 2, 0.5);
        addProduction(f.dm, 2, f.ipe, "IPE", "VIGA", QDateTime(QDate(2005, 3, 5), QTime(16, 30)), 4, 1.25);
        addProduction(f.dm, 3, f.cedro, "CEDRO", "VIGA", QDateTime(QDate(2005, 5, 3), QTime(0, 0)), 9, 3);
        addProduction(f.dm, 4, f.cedro, "CEDRO", "VIGA", QDateTime(QDate(2005, 3, 6), QTime(0, 0)), 9, 7);

        TfrmConsultaProducao w(&f.dm);
        showActive(&w);
        QCOMPARE(QApplication::focusWidget(), w.Data);
        QVERIFY(w.Data->isEmptyDate());
        QVERIFY(!w.Essencia->isEnabled());

        f.p.info("Data deve ser informada!", kConsulta);
        altKey(&w, Qt::Key_C);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(QApplication::focusWidget(), w.Data);

        // 05/03/2005 is 5 March, and the row of that afternoon counts.
        QTest::keyClick(w.Data, Qt::Key_Home);
        QTest::keyClicks(w.Data, "05032005");
        altKey(&w, Qt::Key_C);
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(f.dm.TPRODUCAO->recordCount(), 2);
        QCOMPARE(w.TotalProducao->text(), QStringLiteral("1,7500"));
        QCOMPARE(w.DBGrid1->model()->rowCount(), 2);

        // The species box: only CEDRO's row of that day.
        QVERIFY(focusTo(w.CheckBox1));
        QTest::keyClick(w.CheckBox1, Qt::Key_Space);
        QVERIFY(w.Essencia->isEnabled());
        QVERIFY(choose(w.Essencia, "CEDRO"));
        altKey(&w, Qt::Key_C);
        QCOMPARE(f.dm.TPRODUCAO->recordCount(), 1);
        QCOMPARE(w.TotalProducao->text(), QStringLiteral("0,5000"));

        // A day without production: an empty grid and zero.
        QVERIFY(focusTo(w.Data));
        QTest::keyClick(w.Data, Qt::Key_Home);
        QTest::keyClicks(w.Data, "04032005");
        altKey(&w, Qt::Key_C);
        QCOMPARE(f.dm.TPRODUCAO->recordCount(), 0);
        QCOMPARE(w.TotalProducao->text(), QStringLiteral("0,0000"));
        QVERIFY_PROMPTS(f.p);

        // Unchecking drops the species.
        QVERIFY(focusTo(w.CheckBox1));
        QTest::keyClick(w.CheckBox1, Qt::Key_Space);
        QVERIFY(!w.Essencia->isEnabled());
        QVERIFY(focusTo(w.Data));
        QTest::keyClick(w.Data, Qt::Key_Home);
        QTest::keyClicks(w.Data, "03052005");
        altKey(&w, Qt::Key_C);
        QCOMPARE(w.TotalProducao->text(), QStringLiteral("3,0000"));

        altKey(&w, Qt::Key_R);
        QVERIFY(!w.isVisible());
        QVERIFY(!f.dm.TPRODUCAO->isActive());
        QVERIFY(w.TotalProducao->text().isEmpty());

        // Shown again: the date is empty once more.
        showActive(&w);
        QVERIFY(w.Data->isEmptyDate());
        QVERIFY_PROMPTS(f.p);
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestSawnQueries t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_SawnQueries.moc"
