#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include "data/Statement.h"
#include "data/Table.h"
#include "data/UnitDM.h"
#include "statements/UnitPesquisa2.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

const QString kPesquisa = QStringLiteral("Pesquisa");

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

// A handheld scanner: the plate's digits as keys, then Enter.
void scan(QLineEdit *edit, const char *digits)
{
    QTest::keyClicks(edit, digits);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

// A plate scanned into the yard-log picker's search edit.
class TestPlateScan : public QObject
{
    Q_OBJECT

    TestDatabase *m_db = nullptr;
    data::TDM *m_dm = nullptr;

    void log(int plate, int situacao)
    {
        data::execute(m_dm->IBDatabase1,
                      "insert into ENTRADA_TOROS_DISCRIMINACAO (CODIGOPRODUTO, NFNUMERO, CODIGOFORNECEDOR, "
                      "ESSENCIA, QUANTIDADE, SITUACAO, CPF) values (:p, 12, 1, 'CEDRO', 1.5, :s, 1)",
                      {{"p", plate}, {"s", situacao}});
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        m_dm = new data::TDM;
        m_dm->IBDatabase1->setDatabaseName(m_db->path());
        log(7, 0);
        log(101, 0);
        log(55, 1);
        data::execute(m_dm->IBDatabase1,
                      "insert into PRODUCAO (CODPRODUTO, ESSENCIA, QTORA, QSERRADA, DATA, PRODUTO) "
                      "values (55, 'CEDRO', 1.5, 0.5, :d, 'VIGA')",
                      {{"d", QDateTime(QDate(2026, 12, 1), QTime(0, 0))}});
        log(60, 2); // neither in the yard nor sawn
    }
    void cleanupTestCase()
    {
        delete m_dm;
        delete m_db;
    }

    // A yard log's plate, zero-padded as the label prints it, chooses that
    // log at once, wherever the list stood.
    void yardLogChosenAtOnce()
    {
        ScriptedPrompter prompts;
        TfrmPesquisa2 p(m_dm);
        const auto row = chooseWith(p, [&] {
            QCOMPARE(p.TCONSULTA->asString("CODIGOPRODUTO"), QStringLiteral("7"));
            scan(p.Edit1, "000101");
        });
        QVERIFY(row);
        QCOMPARE(row->value("CODIGOPRODUTO").toInt(), 101);
        QVERIFY_PROMPTS(prompts);
    }

    // A plate not in the yard is said to be sawn or never entered, and the
    // picker stays open with the plate selected, so that the next scan
    // replaces it: the current row is never handed back in its place.
    void plateNotInYardIsRefused()
    {
        ScriptedPrompter prompts;
        TfrmPesquisa2 p(m_dm);
        bool stayedOpen = true;
        const auto row = chooseWith(p, [&] {
            prompts.warning("Toro da plaqueta 000055 já foi serrado na Produção em 01/12/2026 e não está no pátio, "
                            "Verifíque!", kPesquisa);
            scan(p.Edit1, "000055");
            stayedOpen = stayedOpen && p.isVisible();
            QCOMPARE(p.Edit1->selectedText(), QStringLiteral("000055"));

            prompts.warning("Plaqueta 999 não foi lançada em nenhuma Nota Fiscal de entrada de toros, Verifíque!",
                            kPesquisa);
            scan(p.Edit1, "999");
            stayedOpen = stayedOpen && p.isVisible();

            prompts.warning("Toro da plaqueta 60 não está no pátio, Verifíque!", kPesquisa);
            scan(p.Edit1, "60");
            stayedOpen = stayedOpen && p.isVisible();

            // Not digits: no plate at all.
            prompts.warning("Plaqueta ABC não foi lançada em nenhuma Nota Fiscal de entrada de toros, Verifíque!",
                            kPesquisa);
            scan(p.Edit1, "abc");
            stayedOpen = stayedOpen && p.isVisible();
            QCOMPARE(p.TCONSULTA->asString("CODIGOPRODUTO"), QStringLiteral("7"));

            // The next scan replaces the refused one.
            scan(p.Edit1, "101");
        });
        QVERIFY(stayedOpen);
        QVERIFY(row);
        QCOMPARE(row->value("CODIGOPRODUTO").toInt(), 101);
        QVERIFY_PROMPTS(prompts);
    }

    // A log entered by another workstation after the list opened is found.
    void enteredSinceTheListOpened()
    {
        ScriptedPrompter prompts;
        TfrmPesquisa2 p(m_dm);
        const auto row = chooseWith(p, [&] {
            log(202, 0);
            scan(p.Edit1, "202");
        });
        QVERIFY(row);
        QCOMPARE(row->value("CODIGOPRODUTO").toInt(), 202);
        QVERIFY_PROMPTS(prompts);
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestPlateScan t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_plateScan.moc"
