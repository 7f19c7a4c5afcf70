#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include "data/UnitDM.h"
#include "statements/PickerCatalog.h"
#include "statements/UnitPesquisa1.h"
#include "statements/UnitPesquisa2.h"
#include "statements/UnitPesquisa3.h"
#include "statements/UnitPesquisaEntrada.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

#include <functional>
#include <memory>
#include <QtTest>

// Opens PICKER as a caller does and runs STEP once it is up; the row chosen.
template <typename P>
std::optional<widgets::PickedRow> chooseWith(P &picker, const std::function<void()> &step)
{
    QTimer::singleShot(0, &picker, [&picker, step] {
        picker.activateWindow();
        if (QTest::qWaitForWindowActive(&picker))
            step();
    });
    return picker.choose();
}

class TestPesquisa : public QObject
{
    Q_OBJECT

    TestDatabase *m_db = nullptr;
    data::TDM *m_dm = nullptr;

    void addSupplier(const QString &name, const QString &cnpj, const QString &cpf, const QString &ie)
    {
        QSqlQuery q(m_dm->IBDatabase1->database());
        q.prepare(QStringLiteral("INSERT INTO FORNECEDOR (NOMEFORNECEDOR, CNPJ, CPF, INSCESTADUAL) VALUES (?, ?, ?, ?)"));
        q.addBindValue(name);
        q.addBindValue(cnpj);
        q.addBindValue(cpf);
        q.addBindValue(ie);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        m_dm = new data::TDM;
        m_dm->IBDatabase1->setDatabaseName(m_db->path());
        m_dm->IBDatabase1->open();
        addSupplier(QStringLiteral("ZEBU MADEIRAS"), QStringLiteral("11222333000181"), QStringLiteral("00000000000"),
                    QStringLiteral("131000001"));
        addSupplier(QStringLiteral("Madeireira Nobre"), QStringLiteral("22333444000100"),
                    QStringLiteral("52998224725"), QStringLiteral("131000002"));
        addSupplier(QStringLiteral("MACIEL E FILHOS"), QStringLiteral("33444555000100"),
                    QStringLiteral("11144477735"), QStringLiteral("131000003"));
        addSupplier(QStringLiteral("ARAUJO TORAS"), QStringLiteral("44555666000100"), QStringLiteral("00000000000"),
                    QStringLiteral("131000004"));
    }
    void cleanupTestCase()
    {
        delete m_dm;
        delete m_db;
    }

    // The chosen row holds every column; typing locates by name prefix
    // whatever the case, and a text that matches nothing leaves the row.
    void selectReturnsTheRow_locateIgnoresCase()
    {
        TfrmPesquisa p(m_dm);
        const auto row = chooseWith(p, [&] {
            QCOMPARE(p.Panel2->text(), QStringLiteral("4"));
            QCOMPARE(p.ComboBox1->currentText(), QStringLiteral("FORNECEDOR"));
            QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("ARAUJO TORAS"));
            QTest::keyClicks(p.Edit1, "ma");
            QCOMPARE(p.Edit1->text(), QStringLiteral("MA"));
            // "MACIEL..." sorts before "Madeireira..." in the list's order.
            QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("MACIEL E FILHOS"));
            QTest::keyClicks(p.Edit1, "dx");
            QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("Madeireira Nobre"));
            QTest::keyClick(p.Edit1, Qt::Key_Return);
        });
        QVERIFY(!p.isVisible());
        QVERIFY(row);
        QCOMPARE(row->text("NOMEFORNECEDOR"), QStringLiteral("Madeireira Nobre"));
        QCOMPARE(row->text("CPF"), QStringLiteral("52998224725"));
        QCOMPARE(row->text("CNPJ"), QStringLiteral("22333444000100"));
        QCOMPARE(row->text("INSCESTADUAL"), QStringLiteral("131000002"));
        QCOMPARE(row->value("CODIGOFORNECEDOR").toInt(), 2);

        // Enter in the grid chooses too.
        const auto fromGrid = chooseWith(p, [&] {
            QTest::keyClicks(p.Edit1, "zeb");
            p.DBGrid1->setFocus();
            QTest::keyClick(p.DBGrid1, Qt::Key_Return);
        });
        QVERIFY(fromGrid);
        QCOMPARE(fromGrid->text("NOMEFORNECEDOR"), QStringLiteral("ZEBU MADEIRAS"));
    }

    // Esc is "&Retornar": no row, and the supplier list is closed; the client
    // picker leaves its list open for the caller to decide.
    void returnGivesNoRow()
    {
        TfrmPesquisa p(m_dm);
        const auto row = chooseWith(p, [&] {
            QTest::keyClicks(p.Edit1, "zeb");
            QTest::keyClick(p.Edit1, Qt::Key_Escape);
        });
        QVERIFY(!p.isVisible());
        QVERIFY(!row);
        QVERIFY(!m_dm->QFornecedor->isActive());

        TfrmPesquisa3 c(m_dm);
        QVERIFY(!chooseWith(c, [&] { c.BitBtn2->click(); }));
        QVERIFY(m_dm->QCredor->isActive());
        m_dm->QCredor->close();
    }

    // An empty client list still opens; "&Selecionar" gives a row whose
    // texts are empty, so the caller copies empty texts.
    void emptyListGivesAnEmptyRow()
    {
        TfrmPesquisa3 c(m_dm);
        const auto row = chooseWith(c, [&] {
            QCOMPARE(c.Panel2->text(), QStringLiteral("0"));
            c.BitBtn1->click();
        });
        QVERIFY(row);
        QVERIFY(row->isEmpty());
        QCOMPARE(row->text("NOMECREDOR"), QString());
    }

    // "CÓDIGO" lists by code; the next show is by name again.
    void codeOrderThenNameAgain()
    {
        TfrmPesquisa p(m_dm);
        const auto row = chooseWith(p, [&] {
            p.ComboBox1->setCurrentIndex(0);
            emit p.ComboBox1->activated(0);
            QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("ZEBU MADEIRAS")); // code 1
            QTest::keyClicks(p.Edit1, "M");
            QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("Madeireira Nobre")); // code 2
            p.BitBtn1->click();
        });
        QCOMPARE(row->text("NOMEFORNECEDOR"), QStringLiteral("Madeireira Nobre"));
        chooseWith(p, [&] {
            QCOMPARE(p.ComboBox1->currentText(), QStringLiteral("FORNECEDOR"));
            QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("ARAUJO TORAS"));
            p.BitBtn2->click();
        });
    }

    // Each picker's description names what is there: its list and source in
    // the data module (the plate picker lists its own table), and the window
    // shows the described title, columns and orders.
    void everyDescriptionNamesWhatIsThere()
    {
        std::unique_ptr<widgets::PickerWindow> pickers[] = {
            std::make_unique<TfrmPesquisa>(m_dm), std::make_unique<TfrmPesquisa1>(m_dm),
            std::make_unique<TfrmPesquisa2>(m_dm), std::make_unique<TfrmPesquisa3>(m_dm)};
        for (const auto &p : pickers) {
            const widgets::PickerWindow::Setup d = describedPicker(p->objectName(), m_dm);
            QVERIFY2(p->objectName() == QLatin1String("TfrmPesquisa2") || (d.list && d.source), qPrintable(p->objectName()));
            QVERIFY(p->DBGrid1->dataSet());
            QCOMPARE(p->GroupBox1->title(), d.searchTitle);
            QCOMPARE(p->DBGrid1->model()->columnCount(), d.columns.size());
            for (int i = 0; i < d.columns.size(); ++i)
                QCOMPARE(p->DBGrid1->model()->headerData(i, Qt::Horizontal).toString(), d.columns.at(i).title);
            QCOMPARE(p->ComboBox1->count(), d.orders.size());
            QCOMPARE(p->ComboBox1->currentIndex(), d.firstOrder);
            QVERIFY(!d.nameColumn.isEmpty());
        }
    }

    // A window given no picker gets no row and nothing opens.
    void noPickerGivesNoRow()
    {
        widgets::Picker none;
        QVERIFY(!none.isSet());
        QVERIFY(!none.choose());
        auto *p = new TfrmPesquisa(m_dm);
        const widgets::Picker given = widgets::Picker::of(p);
        QCOMPARE(given.window(), static_cast<widgets::PickerWindow *>(p));
        delete p;
        QVERIFY(!given.choose());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestPesquisa t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_pesquisa.moc"
