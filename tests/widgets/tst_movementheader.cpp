#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "widgets/MovementHeaderWindow.h"
#include "widgets/WindowRegistry.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace widgets;

namespace {

// The smallest movement header: a return button, one field, line buttons
// and totals over the sawn-wood intake lines.
class Header : public MovementHeaderWindow
{
public:
    explicit Header(data::TDM *dm) : dm(dm)
    {
        setObjectName(QStringLiteral("Header"));
        auto *layout = new QVBoxLayout(this);
        field = new QLineEdit;
        group = new QGroupBox(QStringLiteral("Produtos "));
        volume = new QLabel;
        value = new QLabel;
        include = new QPushButton(QStringLiteral("Incluir"));
        include->setEnabled(false);
        back = new QPushButton(QStringLiteral("&Retornar"));
        for (QWidget *w : std::initializer_list<QWidget *>{field, group, volume, value, include, back})
            layout->addWidget(w);
        onClick(back, [this] { returnClicked(); });
        setLines(dm->TESDISCRIMINACAO, QStringLiteral("NFNUMERO"), QStringLiteral("CODIGOFORNECEDOR"));
        setOwnedDataSets({dm->TESDISCRIMINACAO, dm->QFornecedor});
        setReturnButton(back);
        setIdleState({{field, back}, {include}, {}});
        setTotalsDisplay(volume, QStringLiteral("#0.000"), value, QStringLiteral("#0.00"));
        setCountedGroup(group, QStringLiteral("Produtos > "));
    }

    void returnClicked() override
    {
        ++returns;
        closeOwnedDataSets();
        closeWindow(QDialog::Rejected);
    }
    LineTotals lineTotals() override
    {
        const QVariantList row = data::firstRow(
            dm->IBDatabase1, QStringLiteral("select sum(QUANTIDADE), sum(VALTOTAL), count(*) from "
                                            "ENTRADA_SERRADA_DISCRIMINACAO where NFNUMERO = :nf and CODIGOFORNECEDOR = :f"),
            {{QStringLiteral("nf"), number}, {QStringLiteral("f"), party}});
        return {row[0].toDouble(), row[1].toDouble(), row[2].toInt()};
    }
    void linesChanged() override { ++changes; }

    using MovementHeaderWindow::deleteLine;
    using MovementHeaderWindow::filterLines;
    using MovementHeaderWindow::showTotals;

    data::TDM *dm;
    QLineEdit *field;
    QGroupBox *group;
    QLabel *volume, *value;
    QPushButton *include, *back;
    QVariant number, party;
    int returns = 0, changes = 0;
};

// A header whose buttons are given as a table: no handler of its own for
// "&Retornar", which Esc then runs through the table.
class TableHeader : public MovementHeaderWindow
{
public:
    enum { Steps = OwnGroup, Search = OwnGroup << 1 };

    TableHeader()
    {
        auto *layout = new QVBoxLayout(this);
        for (QPushButton **b : {&include, &step, &find, &back}) {
            *b = new QPushButton(QStringLiteral("x"));
            layout->addWidget(*b);
        }
        setButtons({{include, ShownEnabled, [this] { ++includes; }},
                    {step, ShownDisabled | Steps, {}},
                    {find, ShownHidden | Search, {}},
                    {back, ShownEnabled | Returns, [this] {
                         ++returns;
                         closeWindow(QDialog::Rejected);
                     }}});
    }

    using MovementHeaderWindow::enableGroup;
    using MovementHeaderWindow::showGroup;

    QPushButton *include, *step, *find, *back;
    int includes = 0, returns = 0;
};

void addLine(data::TDM &dm, int nf, int supplier, double quantity, double total)
{
    data::execute(dm.IBDatabase1,
                  QStringLiteral("insert into ENTRADA_SERRADA_DISCRIMINACAO (NFNUMERO, CODIGOFORNECEDOR, QUANTIDADE, "
                                 "VALTOTAL, CPF) values (:nf, :f, :q, :v, 1)"),
                  {{QStringLiteral("nf"), nf}, {QStringLiteral("f"), supplier}, {QStringLiteral("q"), quantity},
                   {QStringLiteral("v"), total}});
}

} // namespace

class TestMovementHeader : public QObject
{
    Q_OBJECT

private slots:
    void init() { windows().clear(); }

    // Esc is the return button, and only while it is enabled; each showing
    // marks the caller and starts from the idle state, closing unmarks.
    void escapeMarkAndIdleState()
    {
        ScriptedPrompter p;
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        Header w(&dm);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(!w.include->isEnabled());

        w.back->setEnabled(false);
        w.include->setEnabled(true);
        w.field->setEnabled(false);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        QCOMPARE(w.returns, 0);

        w.back->setEnabled(true);
        dm.QFornecedor->open();
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(w.returns, 1);
        QVERIFY(!w.isVisible());
        QVERIFY(!dm.QFornecedor->isActive());

        // What was left enabled or disabled does not survive a new showing.
        w.back->setEnabled(false);
        w.show();
        QVERIFY(w.back->isEnabled());
        QVERIFY(w.field->isEnabled());
        QVERIFY(!w.include->isEnabled());
        QVERIFY(p.done());
    }

    // The table sets how each button stands on every showing; groups switch
    // only their own buttons; Esc runs the return row's click while that
    // button is enabled.
    void buttonTable()
    {
        TableHeader w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.include->isEnabled() && w.back->isEnabled());
        QVERIFY(!w.step->isEnabled());
        QVERIFY(w.find->isHidden());

        w.enableGroup(TableHeader::Steps, true);
        w.showGroup(TableHeader::Search, true);
        QVERIFY(w.step->isEnabled() && w.find->isVisible() && w.include->isEnabled());
        w.include->click();
        QCOMPARE(w.includes, 1);

        w.back->setEnabled(false);
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(w.returns, 0);
        QVERIFY(w.isVisible());
        w.back->setEnabled(true);
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(w.returns, 1);
        QVERIFY(!w.isVisible());

        w.show();
        QVERIFY(!w.step->isEnabled());
        QVERIFY(w.find->isHidden());
    }

    // A movement's lines are those of its number and its party together;
    // a header with no party yet lists none. Totals and the count come from
    // the database.
    void linesOfNumberAndParty()
    {
        ScriptedPrompter p;
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        addLine(dm, 10, 1, 1.2346, 100);
        addLine(dm, 10, 1, 2, 50.5);
        addLine(dm, 10, 2, 7, 1);
        addLine(dm, 11, 1, 9, 1);
        Header w(&dm);
        w.filterLines(10, 1);
        QCOMPARE(dm.TESDISCRIMINACAO->recordCount(), 2);
        w.filterLines(10, QVariant());
        QCOMPARE(dm.TESDISCRIMINACAO->recordCount(), 0);

        w.number = 10;
        w.party = 1;
        const LineTotals t = w.showTotals();
        QCOMPARE(t.lines, 2);
        QCOMPARE(w.volume->text(), QStringLiteral("3,235"));
        QCOMPARE(w.value->text(), QStringLiteral("150,50"));
        QCOMPARE(w.group->title(), QStringLiteral("Produtos > 2"));
        QVERIFY(p.done());
    }

    // Deleting a line asks first; a line still being typed in the line
    // window is left alone, with no question, and the line window comes back.
    void deleteLineAsksAndWaitsForTyping()
    {
        ScriptedPrompter p;
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        addLine(dm, 10, 1, 1, 1);
        addLine(dm, 10, 1, 2, 2);
        Header w(&dm);
        w.show();
        w.filterLines(10, 1);

        p.question(QStringLiteral("Deseja Excluir esse produto?"), QStringLiteral("Confirmação"), false);
        w.deleteLine(w.field);
        QCOMPARE(dm.TESDISCRIMINACAO->recordCount(), 2);
        QCOMPARE(w.changes, 0);
        QCOMPARE(w.focusWidget(), w.field);

        p.question(QStringLiteral("Deseja Excluir esse produto?"), QStringLiteral("Confirmação"), true);
        w.deleteLine();
        QCOMPARE(w.changes, 1);
        w.filterLines(10, 1);
        QCOMPARE(dm.TESDISCRIMINACAO->recordCount(), 1);

        MovementLineWindow lineWindow(&dm, &w);
        w.setLineWindow(&lineWindow);
        dm.TESDISCRIMINACAO->append();
        lineWindow.showFor(&w, nullptr);
        w.activateWindow();
        w.deleteLine();
        QCOMPARE(w.changes, 1);
        QVERIFY(dm.TESDISCRIMINACAO->isEditing());
        dm.TESDISCRIMINACAO->cancel();
        QCOMPARE(dm.TESDISCRIMINACAO->recordCount(), 1);
        QVERIFY(p.done());
    }
};

QTEST_MAIN(TestMovementHeader)
#include "tst_movementheader.moc"
