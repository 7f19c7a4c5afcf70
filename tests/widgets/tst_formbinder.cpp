#include "TestDatabase.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/FormBinder.h"
#include "widgets/MaskedFieldPair.h"
#include "widgets/NumericEdit.h"
#include "widgets/UpperCaseValidator.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace widgets;

// A form as the generated code of a .ui file leaves it: controls with their
// names and dynamic properties, nothing bound yet. The binder does the rest.
class TestFormBinder : public QObject
{
    Q_OBJECT

    struct Form
    {
        QWidget widget;
        DBEdit *name, *code;
        QLineEdit *maskCep, *search;
        ZeroPadEdit *extension;
        DBGrid *grid;
        QPushButton *button;
        QComboBox *typing;

        Form()
        {
            auto *layout = new QVBoxLayout(&widget);
            auto add = [&](auto *w, const char *objectName) {
                w->setObjectName(QLatin1String(objectName));
                layout->addWidget(w);
                return w;
            };
            name = add(new DBEdit(&widget), "NOMEFORNECEDOR");
            name->setProperty("field", "NOMEFORNECEDOR");
            name->setProperty("charCase", "upper");
            code = add(new DBEdit(&widget), "CODIGOFORNECEDOR");
            code->setProperty("field", "CODIGOFORNECEDOR");
            maskCep = add(new QLineEdit(&widget), "MaskCEP");
            maskCep->setProperty("field", "CEP");
            maskCep->setProperty("mask", "99999-999;0;_");
            extension = add(new ZeroPadEdit(&widget), "CONTATORAMAL");
            extension->setProperty("field", "CONTATORAMAL");
            extension->setProperty("zeroPadding", 4);
            search = add(new QLineEdit(&widget), "Edit1");
            search->setProperty("charCase", "upper");
            grid = add(new DBGrid(&widget), "DBGrid1");
            grid->setProperty("columns", QStringList{"CODIGOFORNECEDOR|Código|60", "NOMEFORNECEDOR|Fornecedor|250"});
            button = add(new QPushButton(&widget), "BitBtn1");
            button->setProperty("standardIcon", "SP_DialogOkButton");
            typing = add(new QComboBox(&widget), "LOGRADOURO");
            typing->setEditable(true);
            typing->setProperty("charCase", "upper");
        }
    };

    static void type(QWidget *w, const QString &text)
    {
        w->setFocus();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

private slots:
    // What is typed in the bound controls reaches the row as the form declares:
    // in upper case, the masked digits without the mask's literals, the
    // extension padded to its four digits; and the row's values come back.
    void boundControlsWriteAndShowTheRow()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        Form f;
        FormBinder::bind(&f.widget, dm.DFornecedor);
        f.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.widget));
        data::Table *t = dm.TFornecedor;
        t->open();
        t->append();

        type(f.name, QStringLiteral("madeireira são joão"));
        QCOMPARE(t->asString("NOMEFORNECEDOR"), QStringLiteral("MADEIREIRA SÃO JOÃO"));

        f.maskCep->setCursorPosition(0);
        type(f.maskCep, QStringLiteral("78000123"));
        QCOMPARE(t->asString("CEP"), QStringLiteral("78000123"));
        auto *hidden = f.widget.findChild<DBEdit *>(QStringLiteral("CEP"));
        QVERIFY(hidden);
        QVERIFY(hidden->isHidden());
        QCOMPARE(FormBinder::pairOf(f.maskCep)->hidden(), hidden);
        QVERIFY(!FormBinder::pairOf(f.search));

        type(f.extension, QStringLiteral("12"));
        f.name->setFocus();
        QCOMPARE(f.extension->text(), QStringLiteral("0012"));
        QCOMPARE(f.extension->maxLength(), 4);

        t->setValue("CEP", QStringLiteral("69900321"));
        QCOMPARE(f.maskCep->text(), QStringLiteral("69900-321"));
        t->setValue("NOMEFORNECEDOR", QStringLiteral("SERRARIA X"));
        QCOMPARE(f.name->text(), QStringLiteral("SERRARIA X"));
        t->cancel();
    }

    // The grid takes its titles and the source from the form; a button its icon.
    void gridColumnsAndIcons()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        Form f;
        QVERIFY(f.button->icon().isNull());
        FormBinder::bind(&f.widget, dm.DFornecedor);
        QCOMPARE(f.grid->dataSet(), static_cast<data::DataSet *>(dm.TFornecedor));
        QCOMPARE(f.grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Fornecedor"));
        QVERIFY(!f.button->icon().isNull());
    }

    // A form over several sources: each control takes the source it names,
    // a grid of "none" shows its titles and no rows; a column's looks and a
    // field's longest value are declared in the form too.
    void severalSourcesAndLooks()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        Form f;
        auto *species = new DBGrid(&f.widget);
        species->setProperty("source", "lines");
        species->setProperty("columns", QStringList{"NOMEESSENCIA|Essência|120|center|bold red", "CODIGOESSENCIA|Código|60"});
        auto *empty = new DBGrid(&f.widget);
        empty->setProperty("source", "none");
        empty->setProperty("columns", QStringList{"NOMEESSENCIA|Essência|120"});
        const QString longest = QStringLiteral("MADEIREIRA E SERRARIA NOSSA SENHORA APARECIDA LTDA");
        f.name->setProperty("longest", longest);
        FormBinder::bind(&f.widget, {{QString(), dm.DFornecedor}, {QStringLiteral("lines"), dm.DEssencia}});
        QCOMPARE(f.grid->dataSet(), static_cast<data::DataSet *>(dm.TFornecedor));
        QCOMPARE(species->dataSet(), static_cast<data::DataSet *>(dm.TEssencia));
        QVERIFY(!empty->dataSet());
        QCOMPARE(empty->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Essência"));
        QVERIFY(species->itemDelegateForColumn(0));
        QVERIFY(!species->itemDelegateForColumn(1));
        QVERIFY(f.name->minimumWidth() > f.name->fontMetrics().horizontalAdvance(longest));

        // The edits write into the source they were bound to.
        dm.TFornecedor->open();
        dm.TFornecedor->append();
        f.name->setFocus();
        type(f.name, "serraria");
        QCOMPARE(dm.TFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("SERRARIA"));
        dm.TFornecedor->cancel();
    }

    // Binding twice (a form set up again) makes no second hidden edit.
    void bindingAgainKeepsOnePair()
    {
        TestDatabase tdb;
        data::TDM dm;
        dm.IBDatabase1->setDatabaseName(tdb.path());
        Form f;
        FormBinder::bind(&f.widget, dm.DFornecedor);
        FormBinder::bind(&f.widget, dm.DFornecedor);
        QCOMPARE(f.widget.findChildren<DBEdit *>(QStringLiteral("CEP")).size(), 1);
        QCOMPARE(f.maskCep->findChildren<MaskedFieldPair *>().size(), 1);
    }

    // Unbound edits and editable lists: typed and pasted text in upper case,
    // the cursor where the user left it, a text that grows on the way ("ß").
    void upperCaseValidator_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursor");
        QTest::newRow("accents") << QString() << 0 << QStringLiteral("ipê-açú") << QStringLiteral("IPÊ-AÇÚ") << 7;
        QTest::newRow("middle") << QStringLiteral("CEDRO") << 2 << QStringLiteral("x") << QStringLiteral("CEXDRO") << 3;
        QTest::newRow("grows") << QString() << 0 << QStringLiteral("straße") << QStringLiteral("STRASSE") << 7;
    }
    void upperCaseValidator()
    {
        QFETCH(QString, before);
        QFETCH(int, at);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(int, cursor);
        QLineEdit edit;
        UpperCaseValidator::install(&edit);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        edit.setText(before);
        edit.setCursorPosition(at);
        type(&edit, typed);
        QCOMPARE(edit.text(), after);
        QCOMPARE(edit.cursorPosition(), cursor);
    }

    void upperCaseInAnEditableList()
    {
        Form f;
        FormBinder::applyLooks(&f.widget);
        f.widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.widget));
        type(f.typing->lineEdit(), QStringLiteral("praça"));
        QCOMPARE(f.typing->currentText(), QStringLiteral("PRAÇA"));
        type(f.search, QStringLiteral("angelim"));
        QCOMPARE(f.search->text(), QStringLiteral("ANGELIM"));
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestFormBinder t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_formbinder.moc"
