#include "LogsTestKit.h"
#include "ReportData.h"
#include "WindowTest.h"

#include "logs/UnitEntradaToros.h"
#include "logs/UnitEtiquetas.h"
#include "reports/ReportDocument.h"
#include "widgets/LookupCombo.h"
#include "widgets/ReportPreview.h"
#include "widgets/WindowRegistry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

using namespace logstest;

namespace {

const QString kEtiquetas = QStringLiteral("Etiquetas");

// Alt and a letter, as the window system delivers it.
void altKey(QWidget *w, Qt::Key key)
{
    QTest::keyClick(w->window()->windowHandle(), key, Qt::AltModifier);
    QTest::qWait(250);
}

} // namespace

// "Etiquetas" on the invoices found in the log intake's search tab.
class TestEtiquetas : public QObject
{
    Q_OBJECT

    struct Fixture : WindowFixture
    {
        std::unique_ptr<TfrmEntradaToros> w;

        Fixture()
        {
            reportdata::fill(dm.IBDatabase1); // supplier 1: invoice 101 with three logs, 103 with none
            widgets::windows().clear();
            w = std::make_unique<TfrmEntradaToros>(&dm);
            widgets::windows().add(w.get());
            w->resize(1200, 700);
            w->show();
            w->activateWindow();
            [&] { QVERIFY(QTest::qWaitForWindowActive(w.get())); }();
        }
        ~Fixture() { widgets::windows().clear(); }

        void findInvoicesOf(const QString &supplier)
        {
            const int i = w->fornecedor1->findText(supplier);
            QVERIFY(i >= 0);
            w->fornecedor1->setCurrentIndex(i);
            emit w->fornecedor1->activated(i);
            w->BitBtn8->click();
        }
    };

private slots:
    // Nothing searched yet, then an invoice without logs: told so, nothing
    // opens.
    void needsAnInvoiceWithLogs()
    {
        Fixture f;
        f.w->BitBtn6->click();
        QCOMPARE(f.w->PageControl1->currentIndex(), 1);
        QVERIFY(f.w->BitBtnEtiquetas->isVisible());
        f.p.info("Pesquise primeiro a Nota Fiscal cujos toros receberão etiquetas!", kEtiquetas);
        f.w->BitBtnEtiquetas->click();
        QVERIFY_PROMPTS(f.p);

        f.findInvoicesOf(QStringLiteral("MADEIRAS SOL NASCENTE LTDA"));
        QCOMPARE(f.dm.TEntrada1->recordCount(), 2);
        f.dm.TEntrada1->last();
        f.p.info("A Nota Fiscal 000103 não tem toros lançados!", kEtiquetas);
        f.w->BitBtnEtiquetas->click();
        QVERIFY_PROMPTS(f.p);
    }

    // The invoice under the cursor, on the thermal roll chosen with the
    // keyboard: the preview holds one 100 x 50 mm page per log.
    void thermalPreviewOfTheInvoiceFound()
    {
        Fixture f;
        f.w->BitBtn6->click();
        f.findInvoicesOf(QStringLiteral("MADEIRAS SOL NASCENTE LTDA"));
        QString heading;
        bool startDisabled = false;
        int pages = 0;
        QSizeF pageSize;
        QStringList firstPage;
        QVariantMap params;
        whenModalActive<TfrmEtiquetas>([&](TfrmEtiquetas *labels) {
            heading = labels->Label1->text();
            // A plate of another invoice: nothing to print.
            QVERIFY(focusTo(labels->EditPlaqueta));
            QTest::keyClicks(labels->EditPlaqueta, "20");
            f.p.info(logs::kNoReport, QStringLiteral("Informação"));
            altKey(labels, Qt::Key_V);
            QCOMPARE(QApplication::focusWidget(), labels->EditPlaqueta);
            labels->EditPlaqueta->clear();
            QVERIFY(focusTo(labels->ComboModelo));
            QTest::keyClick(labels->ComboModelo, Qt::Key_End);
            startDisabled = !labels->SpinInicio->isEnabled();
            whenModalActive<widgets::ReportPreview>([&](widgets::ReportPreview *preview) {
                preview->document().layoutAll();
                pages = preview->document().pageCount();
                pageSize = preview->document().pageSizeMm();
                firstPage = preview->document().pageLines(0);
                params = preview->document().definition().params;
                preview->reject();
            });
            altKey(labels, Qt::Key_V);
            QTRY_VERIFY(pages > 0);
            QVERIFY(activatedAgain(labels));
            if (QPrinterInfo::availablePrinters().isEmpty()) {
                f.p.info(widgets::kNoPrinter, QStringLiteral("Informação"));
                altKey(labels, Qt::Key_P);
            }
            QTest::keyClick(labels, Qt::Key_Escape);
        });
        f.w->BitBtnEtiquetas->click();
        QVERIFY_PROMPTS(f.p);
        QCOMPARE(heading, QStringLiteral("Nota Fiscal 000101 - MADEIRAS SOL NASCENTE LTDA - 3 toro(s)"));
        QVERIFY(startDisabled);
        QCOMPARE(pages, 3);
        QCOMPARE(pageSize, QSizeF(100, 50));
        QCOMPARE(params.value(QStringLiteral("MODELO")).toString(), QStringLiteral("TERMICA-100X50"));
        QCOMPARE(firstPage, QStringList({QStringLiteral("ANGELIM PEDRA"), QStringLiteral("000010"),
                                         QStringLiteral("1,2345 m³ NF 000101 de 05/03/2026")}));
    }
};

int main(int argc, char **argv)
{
    isolateTestEnvironment();
    QApplication app(argc, argv);
    TestEtiquetas t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_Etiquetas.moc"
