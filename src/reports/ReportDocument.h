#pragma once

#include "ReportDefinition.h"
#include "SheetExport.h"

#include <QPageLayout>
#include <QSizeF>

#include <memory>

class QPainter;
class QPaintDevice;

namespace data { class Connection; }

namespace reports {

class RowReader;

// What a page is made of, as the painter or a test sees it.
class PageSink
{
public:
    virtual ~PageSink() = default;
    // Rectangles in millimetres from the paper's top-left corner.
    virtual void text(const QRectF &rect, Qt::Alignment align, const FontStyle &font, const QColor &color,
                      const QString &text) = 0;
    virtual void line(const QPointF &from, const QPointF &to) = 0;
    virtual void shade(const QRectF &rect) = 0;
    // A picture the element paints itself; only painters show it.
    virtual void drawing(const QRectF &rect, const std::function<void(QPainter &, const QRectF &)> &draw)
    {
        Q_UNUSED(rect) Q_UNUSED(draw)
    }
    // A Code 128 of `data` in `rect` (see Element::Kind::Barcode); optional.
    virtual void barcode(const QRectF &rect, const QString &data)
    {
        Q_UNUSED(rect) Q_UNUSED(data)
    }
    // A band placed on the page (for tests of the flow); optional.
    virtual void band(BandType type, int group, double top, double height)
    {
        Q_UNUSED(type) Q_UNUSED(group) Q_UNUSED(top) Q_UNUSED(height)
    }
};

// A text on a laid-out page, as tests read it.
struct PlacedText
{
    QRectF rect; // millimetres
    QString text;
    bool bold = false;
};

// A barcode on a laid-out page, as tests read it.
struct PlacedBarcode
{
    QRectF rect; // millimetres
    QString data;
};

// A placed band, as tests read it.
struct PlacedBand
{
    BandType type;
    int group; // for group headers and footers
    double top;
};

// A report run over its rows: laid out into pages without painting, then
// any page painted on demand. Layout reads the rows once, in order, one at
// a time, and keeps per page only where it starts (its first row and the
// hooks' variables at that point), so a report of any length costs little
// memory; painting a page reads its rows again from the database.
//
// The company row and the clock are read when the document is made.
class ReportDocument
{
public:
    // Throws data::DataError with the database's text.
    ReportDocument(ReportDefinition def, data::Connection *connection);
    ~ReportDocument();
    ReportDocument(const ReportDocument &) = delete;
    ReportDocument &operator=(const ReportDocument &) = delete;

    const ReportDefinition &definition() const { return m_def; }
    const Company &company() const { return m_company; }
    QDateTime printedAt() const { return m_printedAt; }

    // Lays out up to `pages` more pages; true once the whole report is.
    bool layoutMore(int pages);
    // Lays out the next page and paints it in the same pass over the rows,
    // for printing and PDF from start to end. False when none was left.
    bool layoutAndPaintNext(QPainter &painter, const QSizeF &deviceSize);
    void layoutAll();
    bool isComplete() const { return m_complete; }
    // Pages laid out so far (all of them once complete).
    int pageCount() const { return int(m_pages.size()); }

    QSizeF pageSizeMm() const;
    QPageLayout pageLayout() const;

    // Draws page `index` (0-based, laid out already) to a sink.
    void render(int index, PageSink &sink);
    // Paints page `index` onto a painter whose device is one page: the page
    // is scaled to the device's size (a printer page, a PDF page, an image).
    void paint(int index, QPainter &painter);
    void paint(int index, QPainter &painter, const QSizeF &deviceSize);

    // The texts and bands of a page, for tests.
    QVector<PlacedText> pageTexts(int index);
    QVector<PlacedBand> pageBands(int index);
    QVector<PlacedBarcode> pageBarcodes(int index);
    // The page's texts as lines, top to bottom, each line's texts left to
    // right joined by a blank.
    QStringList pageLines(int index);

    // The report as one table for a spreadsheet: a column for each value a
    // group header or a detail line prints, titled by the column title
    // above it, one row per detail line. Reads the rows again. Throws
    // data::DataError with the database's text.
    Sheet toSheet();

    // The clock every page footer reads; tests fix it.
    static QDateTime now();
    static void setClock(const QDateTime &fixed); // invalid: the real clock

private:
    struct Snapshot;
    struct Flow;
    friend class PageRunner;

    bool runPage(Flow &flow, int pageNumber, PageSink *sink);
    bool layoutNext(PageSink *sink);
    template <typename F>
    void withPainterSink(QPainter &painter, const QSizeF &deviceSize, F &&draw);

    ReportDefinition m_def;
    data::Connection *m_connection;
    Company m_company;
    QDateTime m_printedAt;
    QHash<QString, int> m_columns;
    QStringList m_columnNames;
    std::unique_ptr<RowReader> m_stream; // the layout's one pass over the rows
    std::unique_ptr<Flow> m_flow;
    QVector<std::shared_ptr<Snapshot>> m_pages;
    bool m_complete = false;
};

// Writes the whole report to a PDF file. The file appears complete or not
// at all (it is written aside and renamed). Throws ReportError or
// data::DataError. `progress` (optional) is told each page and may return
// false to stop, which leaves no file.
void writePdf(ReportDocument &document, const QString &path,
              const std::function<bool(int page, int pages)> &progress = {});

} // namespace reports
