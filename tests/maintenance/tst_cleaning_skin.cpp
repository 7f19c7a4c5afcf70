#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "WindowTest.h"

#include "core/AppPaths.h"
#include "core/BancoRecord.h"
#include "data/DataError.h"
#include "data/Statement.h"
#include "data/UnitDM.h"
#include "maintenance/UnitLimparBD.h"
#include "maintenance/Unitskin.h"
#include "widgets/Skin.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

namespace {

const QString kInfo = QStringLiteral("Informação");
const QString kConfirm =
    QStringLiteral("Ao confirmar, todos os lançamentos registrados até a presente data serão excluídos, Confirma?");

int rows(data::Connection *c, const QString &table)
{
    return data::firstRow(c, QStringLiteral("SELECT COUNT(*) FROM ") + table).value(0).toInt();
}

void fill(data::Connection *c)
{
    data::execute(c, "INSERT INTO ESSENCIA (ESSENCIA, ETOROS, TENTRADA, TSAIDA) VALUES ('IPE', 0, 0, 0)");
    data::execute(c, "INSERT INTO PRODUTO (NOMEGRAU, GRAUIND) VALUES ('TABUA', 1)");
    data::execute(c, "INSERT INTO SUBPRODUTO (NOMEGRAU, GRAUIND) VALUES ('TABUA 1', 1)");
    data::execute(c, "INSERT INTO MANUTENCAO (NOMEEMPRESA) VALUES ('SERRARIA')");
    data::execute(c, "INSERT INTO ENTRADA_TOROS (NF_NUMERO, CODIGOFORNECEDOR) VALUES (1, 1)");
    data::execute(c, "INSERT INTO ENTRADA_TOROS (NF_NUMERO, CODIGOFORNECEDOR) VALUES (2, 1)");
    for (int i = 1; i <= 3; ++i)
        data::execute(c, "INSERT INTO ENTRADA_TOROS_DISCRIMINACAO (CODIGOPRODUTO, NFNUMERO, CPF) VALUES (:p, 1, 0)",
                      {{"p", i}});
}

void tick(QCheckBox *box)
{
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Space);
}

} // namespace

class TestCleaningSkin : public QObject
{
    Q_OBJECT

    struct Fixture : WindowFixture
    {
        std::unique_ptr<TfrmLimparBD> w;

        Fixture()
        {
            dm.IBDatabase1->open();
            fill(dm.IBDatabase1);
            w = std::make_unique<TfrmLimparBD>(&dm);
            [&] { QVERIFY(shownActive(w.get())); }();
        }
        int count(const char *table) { return rows(dm.IBDatabase1, QString::fromLatin1(table)); }
    };

    static QString styleSheetOf(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private slots:
    // Nothing checked, then No to the question: nothing goes.
    void nothingOrNo()
    {
        reporting([] {
            Fixture f;
            f.p.info("Selecione pelo menos uma das opções!", kInfo);
            f.w->BitBtn1->click();
            QVERIFY_PROMPTS(f.p);
            tick(f.w->CheckBox7);
            tick(f.w->CheckBox1);
            f.p.question(kConfirm, "Confirmação", false);
            f.w->BitBtn1->click();
            QVERIFY_PROMPTS(f.p);
            QCOMPARE(f.count("ENTRADA_TOROS"), 2);
            QCOMPARE(f.count("ENTRADA_TOROS_DISCRIMINACAO"), 3);
            QCOMPARE(f.count("ESSENCIA"), 1);
        });
    }

    // One box empties both of its tables with one message; two boxes go in
    // the fixed order (company data before species), each with its message;
    // every row goes, whatever filter a window left on the shared table.
    void oneBoxThenTwo()
    {
        reporting([] {
            Fixture f;
            f.dm.TEntrada->setFilter("NF_NUMERO = :n", {{"n", 1}});
            f.dm.TEntrada->setFiltered(true);
            f.dm.TEntrada->open();
            tick(f.w->CheckBox7);
            f.p.question(kConfirm, "Confirmação", true)
                .info("Tabela entrada de madeiras em toros limpa com sucesso!", kInfo);
            f.w->BitBtn1->click();
            QVERIFY_PROMPTS(f.p);
            QCOMPARE(f.count("ENTRADA_TOROS"), 0);
            QCOMPARE(f.count("ENTRADA_TOROS_DISCRIMINACAO"), 0);
            QCOMPARE(f.count("ESSENCIA"), 1);
            QCOMPARE(f.dm.TEntrada->recordCount(), 0); // the open table shows it
            QVERIFY(f.w->CheckBox7->isChecked());      // boxes keep their state

            tick(f.w->CheckBox7);
            tick(f.w->CheckBox1);
            tick(f.w->CheckBox13);
            f.p.question(kConfirm, "Confirmação", true)
                .info("Tabela Manutenção limpa com sucesso!", kInfo)
                .info("Tabela essência limpa com sucesso!", kInfo);
            f.w->BitBtn1->click();
            QVERIFY_PROMPTS(f.p);
            QCOMPARE(f.count("MANUTENCAO"), 0);
            QCOMPARE(f.count("ESSENCIA"), 0);
            QCOMPARE(f.count("PRODUTO"), 1);
            QCOMPARE(f.count("LOGIN"), 1);

            // "Retornar" unchecks everything; the close box and Esc keep them.
            tick(f.w->CheckBox2);
            f.w->close();
            f.w->show();
            QVERIFY(f.w->CheckBox2->isChecked());
            QVERIFY(activeAgain(f.w.get()));
            QTest::keyClick(f.w->windowHandle(), Qt::Key_Escape);
            QVERIFY(!f.w->isVisible());
            f.w->show();
            QVERIFY(f.w->CheckBox2->isChecked());
            f.w->BitBtn2->click();
            QVERIFY(!f.w->isVisible());
            for (const TfrmLimparBD::Box &b : f.w->boxes())
                QVERIFY(!b.box->isChecked());
        });
    }

    // A refusal of the database: its text in the error box, the box it came
    // from left whole (header and lines together), the later boxes untouched.
    void refusalStops()
    {
        reporting([] {
            Fixture f;
            data::Connection *c = f.dm.IBDatabase1;
            data::execute(c, "CREATE EXCEPTION PRESO 'Linhas presas pela auditoria'");
            data::execute(c, "CREATE TRIGGER NAO_APAGA FOR ENTRADA_TOROS_DISCRIMINACAO BEFORE DELETE AS "
                             "BEGIN EXCEPTION PRESO; END");
            tick(f.w->CheckBox1);
            tick(f.w->CheckBox7);
            tick(f.w->CheckBox9);
            data::execute(c, "INSERT INTO PRODUCAO (CODPRODUTO) VALUES (1)");
            f.p.question(kConfirm, "Confirmação", true)
                .info("Tabela essência limpa com sucesso!", kInfo)
                .error("*", "Quelvora");
            f.w->BitBtn1->click();
            QVERIFY_PROMPTS(f.p);
            QVERIFY2(f.p.shown().last().contains("Linhas presas pela auditoria"), qPrintable(f.p.shown().last()));
            QCOMPARE(f.count("ESSENCIA"), 0);
            QCOMPARE(f.count("ENTRADA_TOROS"), 2);
            QCOMPARE(f.count("ENTRADA_TOROS_DISCRIMINACAO"), 3);
            QCOMPARE(f.count("PRODUCAO"), 1);
        });
    }

    // The shipped skins in the skin folder; one chosen with the keys is on
    // every window at once; "&Retornar" keeps it for the next start.
    void skinChosenAndKept()
    {
        widgets::skin().applyBuiltIn();
        const QString folder = core::skinDir();
        QDir(folder).removeRecursively();
        QVERIFY(widgets::Skin::installShippedSkins(folder));
        const QStringList shipped = QDir(folder).entryList({"*.skn"}, QDir::Files, QDir::Name);
        QCOMPARE(shipped, QStringList({"Claro.skn", "Escuro.skn", "LetraGrande.skn"}));
        // A folder with skins of its own is left alone.
        QFile::remove(QDir(folder).filePath("Claro.skn"));
        QVERIFY(widgets::Skin::installShippedSkins(folder));
        QVERIFY(!QFile::exists(QDir(folder).filePath("Claro.skn")));
        QVERIFY(QFile::copy(":/widgets/skins/Claro.skn", QDir(folder).filePath("Claro.skn")));
        core::writeSkinPath(*core::openUserSettings(), QString());

        TfrmSkin w;
        QWidget other; // another window of the program
        QVERIFY(shownActive(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Skin"));
        QCOMPARE(w.ListBox1->count(), 3);
        QVERIFY(w.selectedFile().isEmpty());

        w.ListBox1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.ListBox1, Qt::Key_Home); // Claro
        QTest::keyClick(w.ListBox1, Qt::Key_Down); // Escuro
        const QString dark = QDir(folder).filePath("Escuro.skn");
        QCOMPARE(w.selectedFile(), dark);
        QCOMPARE(widgets::skin().fileName(), dark);
        QVERIFY(qApp->styleSheet().contains(styleSheetOf(dark)));
        QCOMPARE(other.styleSheet(), QString()); // applied to the application, so to all

        // The close box stores nothing.
        w.close();
        QCOMPARE(core::readSkinPath(*core::openUserSettings()), QString());

        w.show();
        w.ListBox1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.ListBox1, Qt::Key_Home);
        QTest::keyClick(w.ListBox1, Qt::Key_Down);
        QApplication::setActiveWindow(&w);
        QTest::keyClick(w.windowHandle(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(!w.isVisible());
        QCOMPARE(core::readSkinPath(*core::openUserSettings()), dark);

        // Next start: the stored skin; shown again, it is the selected one.
        widgets::skin().setFileName(QString());
        widgets::skin().applyBuiltIn();
        widgets::skin().applyStoredSkin();
        QVERIFY(qApp->styleSheet().contains(styleSheetOf(dark)));
        w.show();
        QCOMPARE(w.selectedFile(), dark);

        // A stored skin whose file is gone: the built-in look.
        QFile::remove(dark);
        widgets::skin().applyBuiltIn();
        widgets::skin().applyStoredSkin();
        QVERIFY(qApp->styleSheet().contains(widgets::Skin::builtInStyleSheet()));
        QVERIFY(!widgets::Skin::builtInStyleSheet().isEmpty());

        // "&Retornar" with nothing selected stores an empty path.
        w.ListBox1->clearSelection();
        w.ListBox1->setCurrentRow(-1);
        w.BitBtn1->click();
        QCOMPARE(core::readSkinPath(*core::openUserSettings()), QString());
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestCleaningSkin t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_cleaning_skin.moc"
