#include "TestDatabase.h"

#include "data/Statement.h"
#include "data/Table.h"
#include "data/UnitDM.h"
#include "statements/UnitPesquisa1.h"
#include "statements/UnitPesquisa2.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Opens PICKER as a caller does and runs STEP once it is up; the row chosen.
std::optional<widgets::PickedRow> chooseWith(widgets::PickerWindow &picker, const std::function<void()> &step)
{
    QTimer::singleShot(0, &picker, [&picker, step] {
        picker.activateWindow();
        if (QTest::qWaitForWindowActive(&picker))
            step();
    });
    return picker.choose();
}

} // namespace

// The product picker and the yard-log picker the production window uses.
class TestPesquisaProducao : public QObject
{
    Q_OBJECT

    TestDatabase *m_db = nullptr;
    data::TDM *m_dm = nullptr;

    void log(int plate, double volume, int situacao)
    {
        data::execute(m_dm->IBDatabase1,
                      "insert into ENTRADA_TOROS_DISCRIMINACAO (CODIGOPRODUTO, NFNUMERO, CODIGOFORNECEDOR, "
                      "ESSENCIA, CODIGOESSENCIA, QUANTIDADE, VALTOTAL, SITUACAO, CPF) "
                      "values (:p, 12, 1, 'CEDRO', 3, :q, 90.5, :s, 1)",
                      {{"p", plate}, {"q", volume}, {"s", situacao}});
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        m_dm = new data::TDM;
        m_dm->IBDatabase1->setDatabaseName(m_db->path());
        for (auto [name, factor] : {std::pair{"VIGA", 3.5}, {"PRANCHA", 2.0}, {"palanque", 4.25}})
            data::execute(m_dm->IBDatabase1, "insert into PRODUTO (NOMEGRAU, FATOR) values (:n, :f)",
                          {{"n", QString::fromLatin1(name)}, {"f", factor}});
        log(101, 12.0, 0);
        log(1010, 2.5, 0);
        log(55, 1.0, 1); // sawn
        log(7, 3.0, 0);
    }
    void cleanupTestCase()
    {
        delete m_dm;
        delete m_db;
    }

    // Listed by name; typing finds a name prefix whatever the case; the
    // choice carries the name and the index, and closes the list.
    void productPicker()
    {
        TfrmPesquisa1 p(m_dm);
        const auto row = chooseWith(p, [&] {
            QCOMPARE(p.Panel2->text(), QStringLiteral("3"));
            QCOMPARE(p.ComboBox1->currentText(), QStringLiteral("PRODUTO"));
            QCOMPARE(m_dm->QProduto->asString("NOMEGRAU"), QStringLiteral("PRANCHA"));
            QTest::keyClicks(p.Edit1, "pa");
            QCOMPARE(m_dm->QProduto->asString("NOMEGRAU"), QStringLiteral("palanque"));
            QTest::keyClick(p.Edit1, Qt::Key_Return);
        });
        QVERIFY(row);
        QCOMPARE(row->text("NOMEGRAU"), QStringLiteral("palanque"));
        QCOMPARE(row->value("FATOR").toDouble(), 4.25);
        QVERIFY(!m_dm->QProduto->isActive());

        // "FATOR" lists by index; Esc gives nothing.
        QVERIFY(!chooseWith(p, [&] {
            p.ComboBox1->setCurrentIndex(0);
            emit p.ComboBox1->activated(0);
            QCOMPARE(m_dm->QProduto->asString("NOMEGRAU"), QStringLiteral("PRANCHA"));
            QTest::keyClick(p.Edit1, Qt::Key_Escape);
        }));
        QVERIFY(!m_dm->QProduto->isActive());
    }

    // Only logs in the yard, by plate code; a code is found only when typed
    // whole; the choice carries what production copies.
    void yardLogPicker()
    {
        TfrmPesquisa2 p(m_dm);
        const auto row = chooseWith(p, [&] {
            QCOMPARE(p.Panel2->text(), QStringLiteral("3"));
            QCOMPARE(p.TCONSULTA->asString("CODIGOPRODUTO"), QStringLiteral("7"));
            QCOMPARE(p.TCONSULTA->displayText("NFNUMERO"), QStringLiteral("000012"));
            QTest::keyClicks(p.Edit1, "10");
            QCOMPARE(p.TCONSULTA->asString("CODIGOPRODUTO"), QStringLiteral("7")); // no such code: unmoved
            QTest::keyClicks(p.Edit1, "1");
            QCOMPARE(p.TCONSULTA->asString("CODIGOPRODUTO"), QStringLiteral("101"));
            QTest::keyClicks(p.Edit1, "0");
            QCOMPARE(p.TCONSULTA->asString("CODIGOPRODUTO"), QStringLiteral("1010"));
            // A sawn log is not there to be found.
            p.Edit1->clear();
            QTest::keyClicks(p.Edit1, "55");
            QCOMPARE(p.TCONSULTA->asString("CODIGOPRODUTO"), QStringLiteral("1010"));
            // The order list changes nothing.
            p.ComboBox1->setCurrentIndex(2);
            emit p.ComboBox1->activated(2);
            QCOMPARE(p.TCONSULTA->asString("CODIGOPRODUTO"), QStringLiteral("1010"));
            p.BitBtn1->click();
        });
        QVERIFY(row);
        QCOMPARE(row->value("CODIGOPRODUTO").toInt(), 1010);
        QCOMPARE(row->value("CODIGOESSENCIA").toInt(), 3);
        QCOMPARE(row->text("ESSENCIA"), QStringLiteral("CEDRO"));
        QCOMPARE(row->value("QUANTIDADE").toDouble(), 2.5);
        QCOMPARE(row->value("VALTOTAL").toDouble(), 90.5);

        // A log sawn since: the next opening no longer lists it.
        data::execute(m_dm->IBDatabase1, "update ENTRADA_TOROS_DISCRIMINACAO set SITUACAO = 1 where CODIGOPRODUTO = 7");
        QVERIFY(!chooseWith(p, [&] {
            QCOMPARE(p.Panel2->text(), QStringLiteral("2"));
            QCOMPARE(p.TCONSULTA->asString("CODIGOPRODUTO"), QStringLiteral("101"));
            p.BitBtn2->click();
        }));
        QVERIFY(!p.TCONSULTA->isActive());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestPesquisaProducao t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_pesquisaProducao.moc"
