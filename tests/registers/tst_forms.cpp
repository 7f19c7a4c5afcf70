#include "TestDataModule.h"
#include "data/UnitDM.h"
#include "registers/UnitCredor.h"
#include "registers/UnitEssencia.h"
#include "registers/UnitFornecedor.h"
#include "registers/UnitManutencao1.h"
#include "registers/UnitMunicipio.h"
#include "registers/UnitProdutos.h"
#include "registers/Unitsubprodutos.h"
#include "registers/RegisterCatalog.h"
#include "widgets/DBGrid.h"
#include "widgets/FieldLink.h"
#include "widgets/FormBinder.h"
#include "widgets/MaskedFieldPair.h"
#include "widgets/DBEdit.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>
#include <functional>
#include <memory>

// The register forms as written in their .ui files: every column a control
// names exists in the window's table and is bound to it, every grid column
// too, and every caption leads to its control. A misspelt column in a form
// would otherwise leave a control silently showing nothing.
class TestForms : public QObject
{
    Q_OBJECT

    using Maker = std::function<widgets::RegisterWindow *(data::TDM *)>;

private slots:
    void everyDeclaredColumnIsBound_data()
    {
        QTest::addColumn<Maker>("make");
        QTest::addColumn<int>("bound"); // controls with a column, at least
        QTest::newRow("TfrmEssencia") << Maker([](data::TDM *dm) { return new TfrmEssencia(dm); }) << 7;
        QTest::newRow("TfrmProdutos") << Maker([](data::TDM *dm) { return new TfrmProdutos(dm); }) << 4;
        QTest::newRow("Tfrmsubprodutos") << Maker([](data::TDM *dm) { return new Tfrmsubprodutos(dm); }) << 2;
        QTest::newRow("TfrmMunicipio") << Maker([](data::TDM *dm) { return new TfrmMunicipio(dm); }) << 4;
        QTest::newRow("TfrmFornecedores") << Maker([](data::TDM *dm) { return new TfrmFornecedores(dm); }) << 24;
        QTest::newRow("TfrmCredor") << Maker([](data::TDM *dm) { return new TfrmCredor(dm); }) << 16;
        QTest::newRow("TfrmManutencao1") << Maker([](data::TDM *dm) { return new TfrmManutencao1(dm); }) << 28;
    }
    void everyDeclaredColumnIsBound()
    {
        QFETCH(Maker, make);
        QFETCH(int, bound);
        TestDataModule dm;
        std::unique_ptr<widgets::RegisterWindow> w(make(&dm));
        w->table()->open();

        int count = 0;
        for (QWidget *c : w->findChildren<QWidget *>()) {
            const QString field = c->property("field").toString();
            if (field.isEmpty())
                continue;
            widgets::FieldLink *link = c->findChild<widgets::FieldLink *>(QString(), Qt::FindDirectChildrenOnly);
            if (!link) {
                auto *pair = widgets::FormBinder::pairOf(qobject_cast<QLineEdit *>(c));
                QVERIFY2(pair, qPrintable(c->objectName() + " declares a column but is neither bound nor masked"));
                link = pair->hidden()->link();
            }
            QCOMPARE(link->dataSet(), static_cast<data::DataSet *>(w->table()));
            QCOMPARE(link->dataField(), field);
            QVERIFY2(link->field(), qPrintable(c->objectName() + ": no column " + field));
            ++count;
        }
        QVERIFY2(count >= bound, qPrintable(QString::number(count)));

        for (auto *grid : w->findChildren<widgets::DBGrid *>()) {
            QVERIFY(grid->dataSet());
            for (int i = 0; i < grid->model()->columnCount(); ++i) {
                const QString title = grid->model()->headerData(i, Qt::Horizontal).toString();
                QVERIFY2(!title.isEmpty(), qPrintable(grid->objectName()));
            }
        }
        for (auto *label : w->findChildren<QLabel *>()) {
            if (label->text().isEmpty() || !label->objectName().startsWith(QLatin1String("Label"))
                || label->objectName() == QLatin1String("Label1"))
                continue;
            QVERIFY2(label->buddy(), qPrintable(label->objectName() + " leads nowhere"));
        }
    }

    // Every register kept in the descriptions file names objects that are
    // there: its table and source in the data module, its required, entry,
    // name and search fields in its window, and a message for each refusal.
    void everyDescriptionNamesWhatIsThere_data()
    {
        everyDeclaredColumnIsBound_data();
    }
    void everyDescriptionNamesWhatIsThere()
    {
        QFETCH(Maker, make);
        TestDataModule dm;
        std::unique_ptr<widgets::RegisterWindow> w(make(&dm));
        if (w->objectName() == QLatin1String("TfrmManutencao1"))
            QSKIP("described in its own unit");
        const widgets::RegisterDescription d = describedRegister(w->objectName(), &dm);
        QCOMPARE(d.table, w->table());
        QVERIFY(d.source && d.source->dataSet() == d.table);
        QCOMPARE(w->windowTitle(), d.caption);
        QVERIFY(!d.entryTitle.isEmpty() && !d.searchTitle.isEmpty() && !d.searchEmptyMessage.isEmpty());
        for (const auto &r : d.required) {
            QVERIFY2(w->findChild<QWidget *>(r.field), qPrintable(r.field));
            QVERIFY(!r.message.isEmpty() && !r.caption.isEmpty());
        }
        for (const QString &name : {d.entryField, d.nameField})
            QVERIFY2(name.isEmpty() || w->findChild<QWidget *>(name), qPrintable(name));
        d.table->open();
        if (!d.searchField.isEmpty())
            QVERIFY2(d.table->hasField(d.searchField), qPrintable(d.searchField));
        if (!d.buttons.at(widgets::RegisterWindow::Excluir).caption.isEmpty())
            QVERIFY(!d.deleteQuestion.isEmpty() && !d.deleteEmptyMessage.isEmpty());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestForms t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_forms.moc"
