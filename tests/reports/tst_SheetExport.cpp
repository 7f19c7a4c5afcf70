#include "ZipEntries.h"

#include "reports/ReportError.h"
#include "reports/SheetExport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// Workbooks and CSV files read back: numbers and dates keep their types,
// accents survive, the Brazilian CSV conventions hold.
class TestSheetExport : public QObject
{
    Q_OBJECT

    static reports::Sheet sample()
    {
        reports::Sheet s;
        s.name = QStringLiteral("Estoque: Pátio/Toras");
        s.titles = {QStringLiteral("Essência"), QStringLiteral("Volume m³"), QStringLiteral("Emissão"),
                    QStringLiteral("Nota"), QStringLiteral("Observação")};
        s.formats = {QString(), QStringLiteral("#0.0000"), QString(), QStringLiteral("000000")};
        s.rows = {
            {QStringLiteral("ITAÚBA"), 1234.5, QDateTime(QDate(2026, 12, 9), QTime(0, 0)), 42,
             QStringLiteral("carga; \"lote\" 2")},
            {QStringLiteral("CEDRINHO"), -0.3, QDate(2026, 1, 31), QVariant(QMetaType(QMetaType::Int)),
             QDateTime(QDate(2026, 2, 1), QTime(8, 30))},
        };
        return s;
    }

    // The cell's opening tag and its content in the sheet's XML.
    static QString cell(const QString &xml, const QString &ref)
    {
        const QRegularExpression re(QStringLiteral("<c r=\"%1\"([^>]*)>(.*?)</c>").arg(ref));
        const QRegularExpressionMatch m = re.match(xml);
        return m.hasMatch() ? m.captured(1) + u'|' + m.captured(2) : QString();
    }

    // The number format code a cell's style index stands for.
    static QString formatCode(const QString &styles, int styleIndex)
    {
        const QString xfs = QRegularExpression(QStringLiteral("<cellXfs[^>]*>(.*?)</cellXfs>")).match(styles).captured(1);
        QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("<xf [^>]*numFmtId=\"(\\d+)\"")).globalMatch(xfs);
        for (int i = 0; it.hasNext(); ++i) {
            const QString id = it.next().captured(1);
            if (i == styleIndex) {
                const QRegularExpression fmt(QStringLiteral("<numFmt numFmtId=\"%1\" formatCode=\"([^\"]*)\"").arg(id));
                return fmt.match(styles).captured(1);
            }
        }
        return QStringLiteral("<none>");
    }

    static int styleOf(const QString &cellText)
    {
        return QRegularExpression(QStringLiteral("s=\"(\\d+)\"")).match(cellText).captured(1).toInt();
    }

private slots:
    void workbookKeepsTypesAndAccents()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saída.xlsx"));
        reports::writeXlsx(sample(), path);
        const QHash<QString, QByteArray> zip = zipEntries(path);
        QVERIFY2(zip.contains(QStringLiteral("xl/worksheets/sheet1.xml")), qPrintable(zip.keys().join(u',')));
        const QString sheet = QString::fromUtf8(zip.value(QStringLiteral("xl/worksheets/sheet1.xml")));
        const QString styles = QString::fromUtf8(zip.value(QStringLiteral("xl/styles.xml")));
        const QString book = QString::fromUtf8(zip.value(QStringLiteral("xl/workbook.xml")));
        QVERIFY2(book.contains(QStringLiteral("name=\"Estoque Pátio")), qPrintable(book));

        // Titles and texts are strings, accents intact.
        QVERIFY(cell(sheet, "A1").contains(QStringLiteral("<t>Essência</t>")));
        QVERIFY(cell(sheet, "B1").contains(QStringLiteral("<t>Volume m³</t>")));
        QVERIFY(cell(sheet, "A2").contains(QStringLiteral("t=\"inlineStr\"")));
        QVERIFY(cell(sheet, "A2").contains(QStringLiteral("<t>ITAÚBA</t>")));

        // Numbers are numbers (no type attribute), with the column's pattern.
        const QString volume = cell(sheet, "B2");
        QVERIFY2(!volume.contains(QStringLiteral("t=\"")) && volume.contains(QStringLiteral("<v>1234.5</v>")),
                 qPrintable(volume));
        QCOMPARE(formatCode(styles, styleOf(volume)), QStringLiteral("#0.0000"));
        QVERIFY(cell(sheet, "B3").contains(QStringLiteral("<v>-0.3</v>")));
        QVERIFY(cell(sheet, "D2").contains(QStringLiteral("<v>42</v>")));
        QCOMPARE(cell(sheet, "D3"), QString()); // null: no cell

        // Dates are serial numbers with a date format.
        const int serial = int(QDate(1899, 12, 30).daysTo(QDate(2026, 12, 9)));
        const QString emitted = cell(sheet, "C2");
        QVERIFY2(!emitted.contains(QStringLiteral("t=\"")) && emitted.contains(QStringLiteral("<v>%1</v>").arg(serial)),
                 qPrintable(emitted));
        QCOMPARE(formatCode(styles, styleOf(emitted)), QStringLiteral("dd/mm/yyyy"));
        const QString stamped = cell(sheet, "E3");
        QVERIFY2(stamped.contains(QStringLiteral("<v>%1.3541").arg(QDate(1899, 12, 30).daysTo(QDate(2026, 2, 1)))),
                 qPrintable(stamped));
        QCOMPARE(formatCode(styles, styleOf(stamped)), QStringLiteral("dd/mm/yyyy hh:mm:ss"));
        QVERIFY(cell(sheet, "E2").contains(QStringLiteral("<t>carga; &quot;lote&quot; 2</t>"))
                || cell(sheet, "E2").contains(QStringLiteral("<t>carga; \"lote\" 2</t>")));
    }

    void csvBrazilianConventions()
    {
        const QByteArray expected =
            "\xEF\xBB\xBF"
            "Essência;Volume m³;Emissão;Nota;Observação\r\n"
            "ITAÚBA;1234,5000;09/12/2026;000042;\"carga; \"\"lote\"\" 2\"\r\n"
            "CEDRINHO;-0,3000;31/01/2026;;01/02/2026 08:30:00\r\n";
        QByteArray bytes = reports::csvBytes(sample());
        QCOMPARE(bytes, expected);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saída.CSV"));
        QCOMPARE(reports::sheetFormatOf(path), reports::SheetFormat::Csv);
        reports::writeSheet(sample(), path);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), expected);
    }

    // A place that cannot be written is an error, and leaves nothing behind.
    void unwritablePlaceFails()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("falta/planilha.xlsx"));
        QVERIFY_THROWS_EXCEPTION(reports::ReportError, reports::writeXlsx(sample(), path));
        QVERIFY_THROWS_EXCEPTION(reports::ReportError, reports::writeCsv(sample(), dir.filePath("falta/a.csv")));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestSheetExport)
#include "tst_SheetExport.moc"
