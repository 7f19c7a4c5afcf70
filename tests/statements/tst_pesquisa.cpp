#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include "data/UnitDM.h"
#include "statements/UnitPesquisaEntrada.h"
#include "widgets/MovementWindow.h"
#include "widgets/WindowRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QVBoxLayout>
#include <QtTest>

// A stand-in for a window that asks the picker for a supplier: the controls
// the picker writes into, under their names.
class FakeCaller : public QDialog
{
public:
    FakeCaller(const QString &className, const QStringList &controls)
    {
        setObjectName(className);
        auto *l = new QVBoxLayout(this);
        for (const QString &c : controls) {
            auto *e = new QLineEdit(this);
            e->setObjectName(c);
            e->setText(QStringLiteral("antes"));
            l->addWidget(e);
        }
        widgets::windows().add(className, this);
    }
    ~FakeCaller() override { widgets::windows().remove(objectName()); }
    QString text(const QString &control) const { return findChild<QLineEdit *>(control)->text(); }
    void open()
    {
        show();
        widgets::setCallerMark(this, true);
    }
};

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

    void showPicker(TfrmPesquisa &p)
    {
        p.show();
        p.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p));
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

    void callerTableIsInServingOrder()
    {
        QStringList names;
        for (const auto &c : TfrmPesquisa::callers())
            names << c.windowClass;
        QCOMPARE(names, (QStringList{"TfrmEntradaSerrada", "TfrmEntradaToros", "TfrmREntrada1", "TfrmFunRural",
                                     "TfrmREntrada3"}));
    }

    void logIntakeGetsCpf_locateIgnoresCase()
    {
        FakeCaller caller(QStringLiteral("TfrmEntradaToros"),
                          {"fornecedor", "DBEdit1", "inscricao", "DBEDIT6", "nota"});
        caller.open();
        TfrmPesquisa p(m_dm);
        showPicker(p);
        QCOMPARE(p.Panel2->text(), QStringLiteral("4"));
        QCOMPARE(p.ComboBox1->currentText(), QStringLiteral("FORNECEDOR"));
        QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("ARAUJO TORAS"));
        QTest::keyClicks(p.Edit1, "ma");
        QCOMPARE(p.Edit1->text(), QStringLiteral("MA"));
        // "MACIEL..." sorts before "Madeireira..." in the list's order.
        QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("MACIEL E FILHOS"));
        QTest::keyClicks(p.Edit1, "d");
        QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("Madeireira Nobre"));
        QTest::keyClicks(p.Edit1, "x"); // no match: the row stays
        QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("Madeireira Nobre"));
        QTest::keyClick(p.Edit1, Qt::Key_Return);
        QVERIFY(!p.isVisible());
        QCOMPARE(caller.text("fornecedor"), QStringLiteral("Madeireira Nobre"));
        QCOMPARE(caller.text("DBEdit1"), QStringLiteral("52998224725"));
        QCOMPARE(caller.text("inscricao"), QStringLiteral("131000002"));
        QCOMPARE(caller.text("DBEDIT6"), QStringLiteral("2"));
        QCOMPARE(caller.text("nota"), QStringLiteral("antes"));

        // Closed without a choice: the caller's fields stay as they were.
        showPicker(p);
        QTest::keyClicks(p.Edit1, "zeb");
        p.reject(); // Esc
        QVERIFY(!p.isVisible());
        QCOMPARE(caller.text("fornecedor"), QStringLiteral("Madeireira Nobre"));
        QVERIFY(!m_dm->QFornecedor->isActive());
    }

    void sawnIntakeGetsCnpj_andReturnZeroesItsInvoice_servedFirst()
    {
        FakeCaller logs(QStringLiteral("TfrmEntradaToros"),
                        {"fornecedor", "DBEdit1", "inscricao", "DBEDIT6", "nota"});
        logs.open();
        FakeCaller sawn(QStringLiteral("TfrmEntradaSerrada"), {"RAZAO_SOCIAL", "CGC", "INSC_ESTADUAL", "DBEDIT6", "nota"});
        sawn.open();
        TfrmPesquisa p(m_dm);
        showPicker(p);
        QTest::keyClicks(p.Edit1, "zebu");
        p.BitBtn1->click();
        QCOMPARE(sawn.text("RAZAO_SOCIAL"), QStringLiteral("ZEBU MADEIRAS"));
        QCOMPARE(sawn.text("CGC"), QStringLiteral("11222333000181"));
        QCOMPARE(sawn.text("DBEDIT6"), QStringLiteral("1"));
        QCOMPARE(logs.text("fornecedor"), QStringLiteral("antes"));

        showPicker(p);
        p.BitBtn2->click();
        QCOMPARE(sawn.text("nota"), QStringLiteral("0"));
        QCOMPARE(sawn.text("RAZAO_SOCIAL"), QStringLiteral("ZEBU MADEIRAS"));

        // Unmarked, the sawn intake is passed over.
        widgets::setCallerMark(&sawn, false);

        TfrmPesquisa::Caller entry;
        QCOMPARE(p.currentCaller(&entry), static_cast<QWidget *>(&logs));
        QCOMPARE(entry.windowClass, QStringLiteral("TfrmEntradaToros"));
    }

    void codeOrderAndRegisteredCaller()
    {
        TfrmPesquisa::registerCaller({QStringLiteral("TfrmNovoChamador"),
                                      {{QStringLiteral("FORNECEDOR"), QStringLiteral("NOMEFORNECEDOR")}},
                                      QStringLiteral("FORNECEDOR"),
                                      {}});
        FakeCaller caller(QStringLiteral("TfrmNovoChamador"), {"FORNECEDOR"});
        caller.open();
        TfrmPesquisa p(m_dm);
        showPicker(p);
        p.ComboBox1->setCurrentIndex(0);
        emit p.ComboBox1->activated(0);
        QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("ZEBU MADEIRAS")); // code 1
        QTest::keyClicks(p.Edit1, "M");
        QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("Madeireira Nobre")); // code 2
        p.BitBtn1->click();
        QCOMPARE(caller.text("FORNECEDOR"), QStringLiteral("Madeireira Nobre"));
        // Shown again, the list is by name once more.
        showPicker(p);
        QCOMPARE(p.ComboBox1->currentText(), QStringLiteral("FORNECEDOR"));
        QCOMPARE(m_dm->QFornecedor->asString("NOMEFORNECEDOR"), QStringLiteral("ARAUJO TORAS"));
        p.BitBtn2->click();
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
