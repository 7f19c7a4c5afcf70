#include "ReportData.h"
#include "ReportTestKit.h"
#include "TestDatabase.h"

#include "data/Connection.h"
#include "reports/Barcode.h"
#include "reports/LabelLayouts.h"
#include "reports/ReportDocument.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"

#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using reports::ReportDocument;

namespace {

constexpr int kDpi = 300;

// Page `page` (from 1) of a PDF as a grey picture, drawn by pdftoppm.
QImage rasterize(const QString &pdf, int page)
{
    QTemporaryDir dir;
    const QString stem = QDir(dir.path()).filePath(QStringLiteral("page"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-gray"),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
                                         QString::number(page), QStringLiteral("-l"), QString::number(page), pdf, stem});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// The Code 128 read from a part of the picture given in millimetres.
QString decode(const QImage &image, const QRectF &mm)
{
    const double px = kDpi / 25.4;
    const QImage part = image.copy(QRectF(mm.topLeft() * px, mm.size() * px).toRect());
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::Code128);
    const ZXing::Result r = ZXing::ReadBarcode(
        ZXing::ImageView(part.constBits(), part.width(), part.height(), ZXing::ImageFormat::Lum,
                         int(part.bytesPerLine())),
        hints);
    return r.isValid() ? QString::fromStdString(r.text()) : QString();
}

// Where label `place` (from 0) of a layout sits on its page.
QRectF labelRect(const reports::LabelLayout &l, int place)
{
    const int at = place % l.labelsPerPage();
    return QRectF(l.left + (at % l.columns) * l.pitchX, l.top + (at / l.columns) * l.pitchY, l.width, l.height);
}

} // namespace

// Plate labels: laid across and down the sheet, read back by a barcode
// reader from the PDF the engine writes.
class TestLabelSheets : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TestDatabase tdb;
        data::Connection conn{QStringLiteral("labels")};
        reporttest::FixedClock clock;
        QTemporaryDir dir;
        Fixture()
        {
            conn.setDatabaseName(tdb.path());
            conn.open();
            reportdata::fill(&conn); // invoice 101 of supplier 1: plates 10, 11 and 12
        }
        reports::ReportDefinition labels(const QString &layout, int first = 1, int nota = 101, int supplier = 1)
        {
            return reports::makeReport(QStringLiteral("RepEtiquetas"), conn,
                                       {{QStringLiteral("NOTA"), nota},
                                        {QStringLiteral("FORNECEDOR"), supplier},
                                        {QStringLiteral("MODELO"), layout},
                                        {QStringLiteral("INICIO"), first}});
        }
        QString pdf(const reports::ReportDefinition &def, int *pages = nullptr)
        {
            const QString path = QDir(dir.path()).filePath(def.params.value(QStringLiteral("MODELO")).toString()
                                                           + QStringLiteral(".pdf"));
            ReportDocument doc(def, &conn);
            reports::writePdf(doc, path);
            if (pages)
                *pages = doc.pageCount();
            return path;
        }
        // Logs for the invoice 201 of supplier 2, plates 1001.. in order.
        void manyLogs(int count)
        {
            reportdata::addInvoice(&conn, QStringLiteral("ENTRADA_TOROS"), 201,
                                   QDateTime(QDate(2026, 12, 1), QTime(0, 0)), 2, QStringLiteral("JOAO DA SILVA"),
                                   11144477735.0, QStringLiteral("131000002"));
            for (int i = 0; i < count; ++i)
                reportdata::addLine(&conn, QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO"), 2, 201,
                                    QStringLiteral("JOAO DA SILVA"), QDate(2026, 12, 1), QStringLiteral("IPE"), {},
                                    1001 + i, 1.0, 10);
        }
    };

private slots:
    // Each label's bars, cut out of the A4 sheet where the layout puts it,
    // read back as its plate; the digits, species, volume and invoice are
    // printed beside them. A sheet in use starts at its first free label.
    void sheetBarcodesReadBack()
    {
        Fixture f;
        const reports::LabelLayout &sheet = *reports::findLabelLayout(QStringLiteral("A4-3X10"));
        for (int first : {1, 5}) {
            const QString pdf = f.pdf(f.labels(sheet.key, first));
            const QImage page = rasterize(pdf, 1);
            QVERIFY2(!page.isNull(), "pdftoppm (poppler-utils) drew nothing");
            const QStringList plates{QStringLiteral("000010"), QStringLiteral("000011"), QStringLiteral("000012")};
            for (int i = 0; i < plates.size(); ++i)
                QCOMPARE(decode(page, labelRect(sheet, first - 1 + i)), plates[i]);
            // The places before the first free one stay blank.
            for (int i = 0; i < first - 1; ++i)
                QCOMPARE(decode(page, labelRect(sheet, i)), QString());
            QString error;
            const QString text = reporttest::pdfText(pdf, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            for (const char *expected : {"000010", "ANGELIM PEDRA", "CEDRINHO", "1,2345 m³", "2,5000 m³",
                                         "NF 000101 de 05/03/2026"})
                QVERIFY2(text.simplified().contains(QString::fromUtf8(expected)), expected);
        }
    }

    // The thermal roll: one 100 x 50 mm page per log, landscape, its bars
    // read back from the whole page.
    void thermalLabelPerLog()
    {
        Fixture f;
        int pages = 0;
        const QString pdf = f.pdf(f.labels(QStringLiteral("TERMICA-100X50")), &pages);
        QCOMPARE(pages, 3);
        const QStringList plates{QStringLiteral("000010"), QStringLiteral("000011"), QStringLiteral("000012")};
        for (int i = 0; i < 3; ++i) {
            const QImage page = rasterize(pdf, i + 1);
            QVERIFY(qAbs(page.width() - 100 / 25.4 * kDpi) < 2);
            QVERIFY(qAbs(page.height() - 50 / 25.4 * kDpi) < 2);
            QCOMPARE(decode(page, QRectF(0, 0, 100, 50)), plates[i]);
        }
    }

    // Across then down, a new sheet when one is full: 16 logs on the 2 x 7
    // sheet fill one (14) and begin the next; starting at the last place of
    // the first sheet, they take three.
    void flowAcrossAndDown()
    {
        Fixture f;
        f.manyLogs(16);
        const reports::LabelLayout &sheet = *reports::findLabelLayout(QStringLiteral("a4-2x7"));
        for (const auto &[first, pages] : {std::pair{1, 2}, {14, 3}}) {
            ReportDocument doc(f.labels(sheet.key, first, 201, 2), &f.conn);
            doc.layoutAll();
            QCOMPARE(doc.pageCount(), pages);
            QVector<QPair<int, reports::PlacedBarcode>> placed;
            for (int p = 0; p < pages; ++p)
                for (const reports::PlacedBarcode &b : doc.pageBarcodes(p))
                    placed.push_back({p, b});
            QCOMPARE(placed.size(), 16);
            for (int i = 0; i < placed.size(); ++i) {
                const int place = first - 1 + i;
                QCOMPARE(placed[i].second.data, QString::number(1001 + i).rightJustified(6, QLatin1Char('0')));
                QCOMPARE(placed[i].first, place / sheet.labelsPerPage());
                QVERIFY2(labelRect(sheet, place).contains(placed[i].second.rect),
                         qPrintable(QStringLiteral("label %1 outside its place").arg(i)));
            }
        }
    }

    // One plate's label alone, in the first place of the sheet.
    void onePlate()
    {
        Fixture f;
        const reports::ReportDefinition def = reports::makeReport(QStringLiteral("RepEtiquetas"), f.conn,
                                  {{QStringLiteral("NOTA"), 101}, {QStringLiteral("FORNECEDOR"), 1},
                                   {QStringLiteral("MODELO"), QStringLiteral("A4-3X7")},
                                   {QStringLiteral("PLAQUETA"), 11}});
        ReportDocument doc(def, &f.conn);
        doc.layoutAll();
        const QVector<reports::PlacedBarcode> placed = doc.pageBarcodes(0);
        QCOMPARE(placed.size(), 1);
        QCOMPARE(placed[0].data, QStringLiteral("000011"));
        QVERIFY(labelRect(*reports::findLabelLayout(QStringLiteral("A4-3X7")), 0).contains(placed[0].rect));
    }

    // A band after a row only partly filled starts under that row, not
    // beside its last label.
    void bandAfterPartRow()
    {
        Fixture f;
        f.manyLogs(4);
        const reports::LabelLayout &sheet = *reports::findLabelLayout(QStringLiteral("A4-3X10"));
        reports::ReportDefinition def = f.labels(sheet.key, 1, 201, 2);
        def.summary.height = 5;
        def.summary.add(reports::label(0, 0, 50, 5, QStringLiteral("FIM")));
        ReportDocument doc(def, &f.conn);
        doc.layoutAll();
        QCOMPARE(doc.pageCount(), 1);
        double summaryTop = -1;
        for (const reports::PlacedBand &b : doc.pageBands(0))
            if (b.type == reports::BandType::Summary)
                summaryTop = b.top;
        QCOMPARE(summaryTop, sheet.top + 2 * sheet.pitchY);
    }

    // What cannot be printed says why: an invoice that is not there, a
    // layout not in the table, a first label outside the sheet.
    void refusals()
    {
        Fixture f;
        QVERIFY_THROWS_EXCEPTION(reports::ReportError, f.labels(QStringLiteral("A4-3X10"), 1, 999));
        QVERIFY_THROWS_EXCEPTION(reports::ReportError, f.labels(QStringLiteral("A5-1X1")));
        QVERIFY_THROWS_EXCEPTION(reports::ReportError, f.labels(QStringLiteral("A4-3X10"), 31));
        QVERIFY_THROWS_EXCEPTION(reports::ReportError, f.labels(QStringLiteral("TERMICA-100X50"), 2));
        QVERIFY_THROWS_EXCEPTION(reports::ReportError, reports::code128(QString()));
    }
};

QTEST_MAIN(TestLabelSheets)
#include "tst_LabelSheets.moc"
