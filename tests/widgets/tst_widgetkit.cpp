#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DateEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/MaskedFieldPair.h"
#include "widgets/NumericEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

using namespace widgets;

class TestWidgetKit : public QObject
{
    Q_OBJECT

    static void addSpecies(data::TDM &dm, const QString &name)
    {
        dm.TEssencia->append();
        dm.TEssencia->setValue("ESSENCIA", name);
        for (const char *c : {"ETOROS", "TENTRADA", "TSAIDA"})
            dm.TEssencia->setValue(c, 0);
        dm.TEssencia->post();
    }

private slots:
    // The real boxes: caption as title, the text, the kind's icon and buttons.
    void realMessageBoxes()
    {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->standardButtons());
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(ask("Confirma Inclusão?", "Confirmação"));
        QCOMPARE(title, QString("Confirmação"));
        QCOMPARE(text, QString("Confirma Inclusão?"));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(buttons, int(QMessageBox::Yes | QMessageBox::No));

        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        warn("Essência deve ser informada!", "Lançamento");
        QCOMPARE(icon, QMessageBox::Warning);

        bool ran = false;
        ScriptedPrompter p;
        p.error("quebrou", "Quelvora");
        QVERIFY(!guarded(nullptr, [&] { ran = true; throw data::DataError("quebrou"); }));
        QVERIFY(ran);
        QVERIFY_PROMPTS(p);
    }

    // A bound edit writes what is typed, in its case, within the column's size,
    // and shows the row it is on.
    void boundEdits()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        dm.TEssencia->open();
        addSpecies(dm, "CEDRO");
        QWidget w;
        auto *name = new DBEdit(dm.DEssencia, "ESSENCIA", &w);
        name->setCharCase(CharCase::Upper);
        auto *code = new DBText(&w);
        code->setDataSource(dm.DEssencia);
        code->setDataField("CODIGO");
        w.show();
        QCOMPARE(name->text(), QString("CEDRO"));
        QCOMPARE(name->maxLength(), 30);
        QCOMPARE(code->text(), QString("1"));

        dm.TEssencia->append();
        QCOMPARE(name->text(), QString());
        name->setFocus();
        QTest::keyClicks(name, "ip");
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QStringLiteral("ê"), Qt::NoModifier);
        QTest::keyClicks(name, " roxo");
        QCOMPARE(name->text(), QString("IPÊ ROXO"));
        QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("IPÊ ROXO"));
        for (const char *c : {"ETOROS", "TENTRADA", "TSAIDA"})
            dm.TEssencia->setValue(c, 0);
        dm.TEssencia->post();
        QCOMPARE(code->text(), QString("2"));
        dm.TEssencia->first();
        QCOMPARE(name->text(), QString("CEDRO"));
    }

    void numberAndDateEdits()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        QWidget w;
        auto *layout = new QVBoxLayout(&w);
        auto *money = new NumericEdit(&w, 2);
        auto *volume = new NumericEdit(&w, 4);
        auto *number = new ZeroPadEdit(&w);
        auto *date = new DateEdit(&w);
        auto *other = new QLineEdit(&w);
        for (QWidget *c : {static_cast<QWidget *>(money), static_cast<QWidget *>(volume),
                           static_cast<QWidget *>(number), static_cast<QWidget *>(date), static_cast<QWidget *>(other)})
            layout->addWidget(c);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(money->text(), QString("0,00"));
        QCOMPARE(volume->text(), QString("0,0000"));
        QCOMPARE(number->text(), QString("000000"));
        QCOMPARE(date->text(), QString("00/00/0000"));
        QVERIFY(date->isEmptyDate());

        money->setFocus();
        money->selectAll();
        QTest::keyClicks(money, "1234,567");
        other->setFocus();
        QCOMPARE(money->text(), QString("1.234,57"));
        QCOMPARE(money->value(), 1234.57);

        number->setFocus();
        number->selectAll();
        QTest::keyClicks(number, "42");
        other->setFocus();
        QCOMPARE(number->text(), QString("000042"));

        // Bound to the invoice header: the value as shown goes into the column.
        dm.TEntrada->open();
        dm.TEntrada->append();
        money->setDataSource(dm.DSEntrada);
        money->setDataField("VALOR_ICMS");
        date->setDataSource(dm.DSEntrada);
        date->setDataField("DATA_EMISSAO");
        QCOMPARE(money->text(), QString("0,00"));
        money->setFocus();
        money->selectAll();
        QTest::keyClicks(money, "170,004");
        other->setFocus();
        QCOMPARE(dm.TEntrada->asDouble("VALOR_ICMS"), 170.0);
        date->setFocus();
        date->selectAll();
        QTest::keyClicks(date, "31022025");
        QVERIFY(!date->isValidDate());
        QVERIFY(dm.TEntrada->isNull("DATA_EMISSAO"));
        date->selectAll();
        QTest::keyClicks(date, "28022025");
        QCOMPARE(dm.TEntrada->value("DATA_EMISSAO").toDateTime().date(), QDate(2025, 2, 28));
        dm.TEntrada->post();
        dm.TEntrada->refresh();
        QCOMPARE(date->date(), QDate(2025, 2, 28));
        QCOMPARE(money->text(), QString("170,00"));
    }

    // Digits only go into the column, and the column comes back masked.
    void maskedPairing()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        dm.TFornecedor->open();
        QWidget w;
        auto *layout = new QVBoxLayout(&w);
        auto *masked = new QLineEdit(&w);
        auto *hidden = new DBEdit(dm.DFornecedor, "CEP", &w);
        layout->addWidget(masked);
        layout->addWidget(hidden);
        new MaskedFieldPair(masked, hidden, "99999-999", &w);
        w.show();
        QVERIFY(hidden->isHidden());
        dm.TFornecedor->append();
        masked->setFocus();
        masked->setCursorPosition(0);
        QTest::keyClicks(masked, "78005370");
        QCOMPARE(masked->text(), QString("78005-370"));
        QCOMPARE(dm.TFornecedor->asString("CEP"), QString("78005370"));
        dm.TFornecedor->setValue("INSCESTADUAL", "1");
        dm.TFornecedor->post();

        dm.TFornecedor->append();
        QCOMPARE(masked->text(), QString("-"));
        dm.TFornecedor->cancel();
        QCOMPARE(masked->text(), QString("78005-370"));
    }

    // A lookup over a list writes the chosen key; a grid follows the current
    // row and moves it when a row is picked.
    void lookupsAndGrid()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        dm.TEssencia->open();
        for (const char *n : {"IPE", "CEDRO", "ANGELIM"})
            addSpecies(dm, n);
        dm.TEssencia->setIndexFieldNames("ESSENCIA");
        QWidget w;
        auto *layout = new QVBoxLayout(&w);
        auto *lookup = new DBLookupComboBox(&w);
        auto *grid = new DBGrid(&w);
        layout->addWidget(lookup);
        layout->addWidget(grid);
        lookup->setListSource(dm.TEssencia, "CODIGO", "ESSENCIA");
        grid->setDataSource(dm.DEssencia);
        grid->setColumns({{"CODIGO", "Código", 60}, {"ESSENCIA", "Essência", 200}});
        dm.TPRODUCAO->open();
        dm.TPRODUCAO->append();
        lookup->setDataSource(dm.DPRODUCAO);
        lookup->setDataField("CODIGOESSENCIA");
        w.show();
        QCOMPARE(lookup->count(), 3);
        QCOMPARE(lookup->itemText(0), QString("ANGELIM"));
        QCOMPARE(lookup->currentIndex(), -1);
        lookup->setCurrentIndex(1);
        emit lookup->activated(1);
        QCOMPARE(dm.TPRODUCAO->asDouble("CODIGOESSENCIA"), 2.0); // CEDRO
        QCOMPARE(lookup->listValue("ESSENCIA").toString(), QString("CEDRO"));
        dm.TPRODUCAO->cancel();

        QCOMPARE(grid->model()->rowCount(), 3);
        // Choosing in a lookup moves its list to the chosen row, and the
        // grid over the same list follows.
        QCOMPARE(grid->currentIndex().row(), 1);
        // Type-ahead in the grid asks the database for the first match.
        const QModelIndexList found = grid->model()->match(grid->model()->index(0, 1), Qt::DisplayRole, "ip");
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().row(), 2);
        QCOMPARE(grid->currentIndex().row(), 2);
        dm.TEssencia->last();
        QCOMPARE(grid->currentIndex().row(), 2);
        QCOMPARE(grid->model()->data(grid->model()->index(2, 1)).toString(), QString("IPE"));
        grid->setCurrentIndex(grid->model()->index(1, 0));
        QCOMPARE(dm.TEssencia->asString("ESSENCIA"), QString("CEDRO"));
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestWidgetKit t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_widgetkit.moc"
