#include "ReportTestKit.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include "data/Connection.h"
#include "reports/ReportDocument.h"
#include "reports/UnitRepEstoque.h"
#include "widgets/ReportPreview.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// The preview paints only the page shown, lays the rest out meanwhile, and
// tells the user plainly when there is no printer.
class TestReportPreview : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TestDatabase tdb;
        data::Connection conn{QStringLiteral("preview")};
        reporttest::FixedClock clock;
        Fixture()
        {
            conn.setDatabaseName(tdb.path());
            conn.open();
            reporttest::addCompany(&conn);
            for (int plate = 1; plate <= 240; ++plate)
                reporttest::addLog(&conn, plate <= 120 ? QStringLiteral("CUPIUBA") : QStringLiteral("PEQUIA"), plate,
                                   0.25);
        }
        std::unique_ptr<reports::ReportDocument> document()
        {
            return std::make_unique<reports::ReportDocument>(reports::RepEstoque(), &conn);
        }
    };

private slots:
    void pagesArePaintedWhenShown()
    {
        Fixture f;
        widgets::ReportPreview preview(f.document());
        QCOMPARE(preview.windowTitle(), QStringLiteral("Controle da Produção e do Estoque"));
        QCOMPARE(preview.paintedPages(), 0);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QTRY_VERIFY(preview.document().isComplete());
        const int pages = preview.document().pageCount();
        QVERIFY(pages >= 4);
        QCOMPARE(preview.paintedPages(), 1); // the rest only laid out
        QCOMPARE(preview.pageCountLabel->text(), QStringLiteral("de %1").arg(pages));
        QVERIFY(!preview.btnPrior->isEnabled());

        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.currentPage(), 1);
        QTRY_COMPARE(preview.paintedPages(), 2);
        QCOMPARE(preview.pageEdit->value(), 2);

        QTest::mouseClick(preview.btnLast, Qt::LeftButton);
        QCOMPARE(preview.currentPage(), pages - 1);
        QVERIFY(!preview.btnNext->isEnabled());

        preview.pageEdit->setFocus(Qt::TabFocusReason);
        preview.pageEdit->selectAll();
        QTest::keyClicks(preview.pageEdit, QStringLiteral("3"));
        QCOMPARE(preview.currentPage(), 2);

        QTest::keyClick(&preview, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(preview.currentPage(), 0);
    }

    // The last page can be asked for before the layout has come to it.
    void lastPageBeforeLayoutEnds()
    {
        Fixture f;
        auto doc = f.document();
        doc->layoutMore(1);
        widgets::ReportPreview preview(std::move(doc));
        QVERIFY(!preview.document().isComplete());
        QVERIFY(preview.pageCountLabel->text().endsWith(QStringLiteral("...")));
        preview.btnLast->click();
        QVERIFY(preview.document().isComplete());
        QCOMPARE(preview.currentPage(), preview.document().pageCount() - 1);
    }

    void savesPdf()
    {
        Fixture f;
        widgets::ReportPreview preview(f.document());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("estoque.pdf"));
        QVERIFY(preview.savePdf(path));
        QString error;
        const QString text = reporttest::pdfText(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(text.count(QStringLiteral("[página]")), preview.document().pageCount());
    }

    // Printing goes through the same pages; a printer writing to a file
    // shows what it was sent.
    void printsEveryPage()
    {
        Fixture f;
        auto doc = f.document();
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("impresso.pdf")));
        printer.setPageLayout(doc->pageLayout());
        printer.setFullPage(true);
        QVERIFY(widgets::printDocument(*doc, printer, nullptr));
        QVERIFY(doc->isComplete());
        QString error;
        const QString printed = reporttest::pdfText(printer.outputFileName(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(printed.count(QStringLiteral("[página]")), doc->pageCount());
        QCOMPARE(printed, reporttest::reportText(reports::RepEstoque(), &f.conn, &error));
    }

    void noPrinterIsSaidPlainly()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed on this machine");
        Fixture f;
        ScriptedPrompter p;
        p.info(widgets::kNoPrinter, QStringLiteral("Informação"));
        p.info(widgets::kNoPrinter, QStringLiteral("Informação"));
        widgets::ReportPreview preview(f.document());
        preview.show();
        QTest::mouseClick(preview.btnImprimir, Qt::LeftButton);
        QVERIFY(!widgets::printReport(reports::RepEstoque(), &f.conn, nullptr));
        QVERIFY_PROMPTS(p);
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestReportPreview t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_reportpreview.moc"
