#include "ReportTestKit.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "ZipEntries.h"

#include "core/TaxIdText.h"
#include "data/Connection.h"
#include "data/Statement.h"
#include "data/Table.h"
#include "reports/ReportDocument.h"
#include "reports/UnitRepEstoque.h"
#include "widgets/DBGrid.h"
#include "widgets/ReportPreview.h"
#include "widgets/SheetSaving.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Every grid and the report preview save what they show as a spreadsheet,
// through the one mechanism.
class TestSheetSaving : public QObject
{
    Q_OBJECT

    struct Grid
    {
        TestDatabase tdb;
        data::Connection conn{QStringLiteral("grid")};
        std::unique_ptr<data::Table> table;
        QWidget window;
        widgets::DBGrid *grid = new widgets::DBGrid(&window);

        Grid()
        {
            conn.setDatabaseName(tdb.path());
            conn.open();
            const char *insert = "insert into SAIDA_MADEIRAS (NF_NUMERO, DATA_EMISSAO, RAZAO_SOCIAL, CNPJ_CPF, QUANTIDADE) "
                                 "values (:n, :d, :r, :c, :q)";
            data::execute(&conn, QString::fromUtf8(insert),
                          {{"n", 12.0}, {"d", QDateTime(QDate(2026, 12, 9), QTime(0, 0))},
                           {"r", QStringLiteral("MADEIREIRA SÃO JOÃO")}, {"c", QStringLiteral("12ABC34501DE35")},
                           {"q", 1.5}});
            data::execute(&conn, QString::fromUtf8(insert),
                          {{"n", 7.0}, {"d", QDateTime(QDate(2026, 1, 31), QTime(0, 0))},
                           {"r", QStringLiteral("SERRARIA \"BOA VISTA\"; FILIAL")}, {"c", QString()}, {"q", 0.25}});
            table = std::make_unique<data::Table>(&conn, QStringLiteral("SAIDA_MADEIRAS"), QStringLiteral("CODIGOSAIDA"));
            table->setIndexFieldNames(QStringLiteral("NF_NUMERO"));
            table->open();
            table->setDisplayFormat(QStringLiteral("NF_NUMERO"), QStringLiteral("000000"));
            table->setDisplayFormat(QStringLiteral("QUANTIDADE"), QStringLiteral("#,##0.0000"));
            table->setEditMask(QStringLiteral("CNPJ_CPF"), core::cnpjMask());
            window.setWindowTitle(QStringLiteral("Notas de Saída"));
            grid->setDataSet(table.get());
            grid->setColumns({{"NF_NUMERO", "Nota", 60},
                              {"DATA_EMISSAO", "Emissão", 80},
                              {"RAZAO_SOCIAL", "Razão Social", 200},
                              {"CNPJ_CPF", "CNPJ/CPF", 120},
                              {"QUANTIDADE", "Volume m³", 80}});
            window.show();
        }

        QAction *saveAction() const { return grid->findChild<QAction *>(QStringLiteral("actionSalvarPlanilha")); }
    };

    QString m_path;
    QString m_suggested;

private slots:
    void init()
    {
        m_suggested.clear();
        widgets::setSheetFileAsker([this](QWidget *, const QString &suggested) {
            m_suggested = suggested;
            return m_path;
        });
    }
    void cleanup() { widgets::setSheetFileAsker(nullptr); }

    // The grid's menu writes every row, columns and titles as on screen,
    // the current row left where it was.
    void gridAsCsv()
    {
        Grid g;
        QAction *save = g.saveAction();
        QVERIFY(save);
        QVERIFY(g.grid->actions().contains(save));
        QCOMPARE(g.grid->contextMenuPolicy(), Qt::ActionsContextMenu);
        g.table->last();
        QTemporaryDir dir;
        m_path = dir.filePath(QStringLiteral("notas.csv"));
        save->trigger();
        QCOMPARE(m_suggested, QStringLiteral("Notas de Saída"));
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\xEF\xBB\xBF"
                                         "Nota;Emissão;Razão Social;CNPJ/CPF;Volume m³\r\n"
                                         "000007;31/01/2026;\"SERRARIA \"\"BOA VISTA\"\"; FILIAL\";;0,2500\r\n"
                                         "000012;09/12/2026;MADEIREIRA SÃO JOÃO;12.ABC.345/01DE-35;1,5000\r\n"));
        QCOMPARE(g.table->recNo(), 1);
    }

    void gridAsWorkbook()
    {
        Grid g;
        QTemporaryDir dir;
        m_path = dir.filePath(QStringLiteral("notas.xlsx"));
        g.saveAction()->trigger();
        const QString sheet = QString::fromUtf8(zipEntries(m_path).value(QStringLiteral("xl/worksheets/sheet1.xml")));
        QVERIFY2(sheet.contains(QStringLiteral("<t>MADEIREIRA SÃO JOÃO</t>")), qPrintable(sheet));
        QVERIFY(sheet.contains(QStringLiteral("<t>12.ABC.345/01DE-35</t>")));
        const int serial = int(QDate(1899, 12, 30).daysTo(QDate(2026, 12, 9)));
        QVERIFY(QRegularExpression(QStringLiteral("<c r=\"B3\" s=\"\\d+\"><v>%1</v></c>").arg(serial)).match(sheet).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("<c r=\"E3\" s=\"\\d+\"><v>1.5</v></c>")).match(sheet).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("<c r=\"A2\" s=\"\\d+\"><v>7</v></c>")).match(sheet).hasMatch());
    }

    // A file that cannot be written is said so, with the reason; giving up
    // in the dialog writes nothing and says nothing.
    void failureIsShown()
    {
        Grid g;
        QTemporaryDir dir;
        m_path = dir.filePath(QStringLiteral("falta/notas.csv"));
        ScriptedPrompter p;
        p.error(QStringLiteral("Não foi possível gravar o arquivo %1: *").arg(m_path), QStringLiteral("Planilha"));
        g.saveAction()->trigger();
        QVERIFY_PROMPTS(p);
        m_path.clear();
        g.saveAction()->trigger();
        QVERIFY_PROMPTS(p);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    }

    // The preview's "Salvar Planilha": one row per log, the species of its
    // group first, the report's column titles.
    void reportFromPreview()
    {
        TestDatabase tdb;
        data::Connection conn(QStringLiteral("preview"));
        conn.setDatabaseName(tdb.path());
        conn.open();
        reporttest::addCompany(&conn);
        for (int plate = 1; plate <= 60; ++plate)
            reporttest::addLog(&conn, plate <= 30 ? QStringLiteral("CUPIÚBA") : QStringLiteral("PEQUIA"), plate, 0.25);
        widgets::ReportPreview preview(std::make_unique<reports::ReportDocument>(reports::RepEstoque(), &conn));
        preview.show();
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        QTemporaryDir dir;
        m_path = dir.filePath(QStringLiteral("estoque.csv"));
        QTest::keyClick(preview.windowHandle(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(m_suggested, QStringLiteral("RepEstoque")); // a mnemonic clicks after a moment
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 61);
        QCOMPARE(lines.first(), QStringLiteral("ESSENCIA;PLAQUETA;COMPRIMENTO;DIAMETRO(X);DIAMETRO(Y);QUANTIDADE(M/3)"));
        QCOMPARE(lines.at(1), QStringLiteral("CUPIÚBA;000001;4,00;0,50;0,60;0,2500"));
        QCOMPARE(lines.last(), QStringLiteral("PEQUIA;000060;4,00;0,50;0,60;0,2500"));
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestSheetSaving t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_sheetsaving.moc"
