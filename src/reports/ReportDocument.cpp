#include "ReportDocument.h"

#include "Barcode.h"
#include "ReportError.h"
#include "RowReader.h"

#include "data/Connection.h"
#include "data/DataError.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>

namespace reports {

namespace {

QDateTime &fixedClock()
{
    static QDateTime clock;
    return clock;
}

struct Event
{
    BandType type;
    int group;
};

// Text of the sinks: 1/100 mm, so that fonts can be given in whole units.
constexpr double Units = 100.0;

QFont makeFont(const ReportDefinition &def, const FontStyle &style)
{
    const QString family = style.family.isEmpty() ? def.font.family : style.family;
    const double points = style.pointSize > 0 ? style.pointSize : def.font.pointSize;
    QFont f(family);
    if (family.contains(QLatin1String("Courier"), Qt::CaseInsensitive))
        f.setStyleHint(QFont::TypeWriter);
    f.setPixelSize(qMax(1, qRound(points * 25.4 / 72.0 * Units)));
    f.setBold(style.bold || def.font.bold);
    f.setItalic(style.italic || def.font.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Fonts with their metrics, made once: a long report prints the same few
// fonts hundreds of thousands of times.
struct CachedFont
{
    QFont font;
    double ascent = 0, height = 0;
    QFontMetricsF metrics{QFont()};
};

const CachedFont &cachedFont(const ReportDefinition &def, const FontStyle &style)
{
    static QHash<QString, CachedFont> cache;
    const QString family = style.family.isEmpty() ? def.font.family : style.family;
    const double points = style.pointSize > 0 ? style.pointSize : def.font.pointSize;
    const QString key = family + QLatin1Char('|') + QString::number(points) + QLatin1Char('|')
                        + QLatin1Char(style.bold || def.font.bold ? 'b' : '-')
                        + QLatin1Char(style.italic || def.font.italic ? 'i' : '-');
    auto it = cache.find(key);
    if (it == cache.end()) {
        CachedFont c;
        c.font = makeFont(def, style);
        c.metrics = QFontMetricsF(c.font);
        c.ascent = c.metrics.ascent();
        c.height = c.metrics.ascent() + c.metrics.descent();
        it = cache.insert(key, c);
    }
    return *it;
}

class PainterSink : public PageSink
{
public:
    PainterSink(QPainter &painter, const ReportDefinition &def) : m_p(painter), m_def(def) {}

    // One line of text placed by hand: the general text layout costs far
    // more than the drawing.
    void text(const QRectF &rect, Qt::Alignment align, const FontStyle &font, const QColor &color,
              const QString &text) override
    {
        if (text.isEmpty())
            return;
        const CachedFont &f = cachedFont(m_def, font);
        if (&f != m_font) {
            m_p.setFont(f.font);
            m_font = &f;
        }
        if (color != m_color || !m_penSet) {
            m_p.setPen(color);
            m_color = color;
            m_penSet = true;
        }
        const QRectF r(rect.x() * Units, rect.y() * Units, rect.width() * Units, rect.height() * Units);
        // Several lines (an observation memo) run down from the top.
        const QStringList lines = text.split(QLatin1Char('\n'));
        double y = r.top() + f.ascent;
        if (lines.size() == 1 && (align & Qt::AlignVCenter))
            y = r.top() + (r.height() - f.height) / 2 + f.ascent;
        else if (lines.size() == 1 && (align & Qt::AlignBottom))
            y = r.bottom() - f.height + f.ascent;
        for (const QString &line : lines) {
            double x = r.left();
            if (align & (Qt::AlignRight | Qt::AlignHCenter)) {
                const double w = f.metrics.horizontalAdvance(line);
                x = (align & Qt::AlignRight) ? r.right() - w : r.left() + (r.width() - w) / 2;
            }
            m_p.drawText(QPointF(x, y), line);
            y += f.metrics.lineSpacing();
        }
    }
    void line(const QPointF &from, const QPointF &to) override
    {
        m_p.setPen(QPen(Qt::black, 0.2 * Units));
        m_penSet = false;
        m_p.drawLine(from * Units, to * Units);
    }
    void shade(const QRectF &rect) override
    {
        m_p.fillRect(QRectF(rect.topLeft() * Units, rect.size() * Units), QColor(220, 220, 220));
    }
    void drawing(const QRectF &rect, const std::function<void(QPainter &, const QRectF &)> &draw) override
    {
        m_p.save();
        draw(m_p, QRectF(rect.topLeft() * Units, rect.size() * Units));
        m_p.restore();
        // The element chose its own font and pen.
        m_font = nullptr;
        m_penSet = false;
    }
    // Bars fill the rectangle's height, as wide as its width allows with
    // the quiet zones. On a device of coarse dots (a label printer) each
    // module is a whole number of dots wide, so every bar keeps its width.
    void barcode(const QRectF &rect, const QString &data) override
    {
        if (data.isEmpty())
            return;
        const BarcodeBars code = code128(data);
        const QRectF r(rect.x() * Units, rect.y() * Units, rect.width() * Units, rect.height() * Units);
        double module = r.width() / (code.width + 2 * kCode128QuietZone);
        const double dots = m_p.worldTransform().m11(); // device dots per unit
        double left = r.left() + (r.width() - module * code.width) / 2;
        if (dots > 0 && module * dots < 20) {
            const double whole = std::floor(module * dots);
            if (whole >= 1)
                module = whole / dots;
            left = std::round((r.left() + (r.width() - module * code.width) / 2) * dots) / dots;
        }
        for (const BarcodeBars::Bar &bar : code.bars)
            m_p.fillRect(QRectF(left + bar.x * module, r.top(), bar.width * module, r.height()), Qt::black);
    }

private:
    QPainter &m_p;
    const ReportDefinition &m_def;
    const CachedFont *m_font = nullptr;
    QColor m_color;
    bool m_penSet = false;
};

class RecordingSink : public PageSink
{
public:
    explicit RecordingSink(const ReportDefinition &def) : m_def(def) {}
    void text(const QRectF &rect, Qt::Alignment, const FontStyle &font, const QColor &, const QString &text) override
    {
        if (text.isEmpty())
            return;
        const QStringList lines = text.split(QLatin1Char('\n'));
        if (lines.size() == 1) {
            texts.push_back({rect, text, font.bold});
            return;
        }
        const CachedFont &f = cachedFont(m_def, font);
        const double step = f.metrics.lineSpacing() / Units;
        for (int i = 0; i < lines.size(); ++i)
            if (!lines[i].isEmpty())
                texts.push_back({QRectF(rect.x(), rect.y() + i * step, rect.width(), f.height / Units), lines[i], font.bold});
    }
    void line(const QPointF &, const QPointF &) override {}
    void shade(const QRectF &) override {}
    void barcode(const QRectF &rect, const QString &data) override
    {
        if (!data.isEmpty())
            barcodes.push_back({rect, data});
    }
    void band(BandType type, int group, double top, double) override { bands.push_back({type, group, top}); }

    QVector<PlacedText> texts;
    QVector<PlacedBand> bands;
    QVector<PlacedBarcode> barcodes;

private:
    const ReportDefinition &m_def;
};

} // namespace

// Where the layout stands in the stream of bands: the row before and the
// current row, the bands the current row brings and how many of them are
// placed, and what the hooks and sums hold.
struct ReportDocument::Flow
{
    QVector<QVariant> prev, cur;
    bool hasPrev = false, hasCur = false, atEnd = false;
    QVector<Event> events;
    int eventIndex = 0;
    bool primed = false;
    bool finished = false;
    QVariantMap vars;
    QVector<double> sums;
    std::function<bool(QVector<QVariant> &)> read; // the next row, if any
    int rowsRead = 0;
};

// The start of a page: enough to lay it out again and paint it.
struct ReportDocument::Snapshot
{
    Flow flow;          // without reader
    int rowsToRead = 0; // rows the page reads after its current one
    // The first page keeps its rows, so that it shows at once however long
    // the database takes to sort the others.
    QVector<QVector<QVariant>> rows;
};

// Runs the bands of one page, placing them and, with a sink, drawing them.
class PageRunner
{
public:
    PageRunner(ReportDocument &doc, ReportDocument::Flow &flow, int pageNumber, PageSink *sink)
        : m_doc(doc), m_def(doc.m_def), m_flow(flow), m_sink(sink)
    {
        m_ctx.m_def = &m_def;
        m_ctx.m_company = &doc.m_company;
        m_ctx.m_columns = &doc.m_columns;
        m_ctx.m_page = pageNumber;
        m_ctx.m_pageCount = doc.m_complete ? doc.pageCount() : 0;
        m_ctx.m_printedAt = doc.m_printedAt;
    }

    void prime()
    {
        if (!m_flow.primed || m_flow.eventIndex >= m_flow.events.size())
            advance();
    }

    void run()
    {
        prime();
        const QSizeF paper = paperSize(m_def);
        double y = m_def.margins.top;
        setRow(m_flow.hasCur ? &m_flow.cur : (m_flow.hasPrev ? &m_flow.prev : nullptr));
        syncIn();
        place(m_def.pageHeader, BandType::PageHeader, -1, y);
        place(m_def.columnHeader, BandType::ColumnHeader, -1, y);
        const double bottom = paper.height() - m_def.margins.bottom - m_def.pageFooter.height;
        // Detail bands side by side (label sheets): the place in the row.
        const int across = qMax(1, m_def.detailColumns);
        int column = 0;
        if (m_ctx.m_page == 1 && m_def.detailSkip > 0) {
            y += (m_def.detailSkip / across) * m_def.detail.height;
            column = m_def.detailSkip % across;
        }
        int placed = 0;
        while (!m_flow.finished) {
            if (m_flow.eventIndex >= m_flow.events.size()) {
                advance();
                if (m_flow.finished)
                    break;
            }
            const Event ev = m_flow.events[m_flow.eventIndex];
            const Band &band = bandOf(ev);
            const bool detail = ev.type == BandType::Detail;
            if (!detail && column > 0 && band.height > 0) {
                y += m_def.detail.height;
                column = 0;
            }
            double need = band.height;
            if (ev.type == BandType::GroupHeader && m_def.keepGroupHeaderWithDetail)
                need += m_def.detail.height;
            if (placed > 0 && column == 0 && y + need > bottom + 1e-6)
                break;
            const bool fromPrev = ev.type == BandType::GroupFooter || ev.type == BandType::Summary;
            setRow(fromPrev ? (m_flow.hasPrev ? &m_flow.prev : nullptr) : &m_flow.cur);
            if (ev.type == BandType::GroupHeader) {
                for (int i = 0; i < m_def.sums.size(); ++i)
                    if (m_def.sums[i].resetGroup == ev.group)
                        m_ctx.m_sums[i] = 0;
            }
            if (band.beforePrint)
                band.beforePrint(m_ctx);
            if (ev.type == BandType::Detail) {
                for (int i = 0; i < m_def.sums.size(); ++i)
                    m_ctx.m_sums[i] += m_ctx.value(m_def.sums[i].field).toDouble();
            }
            draw(band, ev.type, ev.group, y, detail ? column * m_def.detailColumnPitch : 0);
            if (detail && across > 1) {
                if (++column == across) {
                    column = 0;
                    y += band.height;
                }
            } else {
                y += band.height;
            }
            ++placed;
            ++m_flow.eventIndex;
            if (m_flow.atEnd && m_flow.eventIndex >= m_flow.events.size())
                m_flow.finished = true;
        }
        double footerTop = bottom;
        place(m_def.pageFooter, BandType::PageFooter, -1, footerTop);
        syncOut();
    }

private:
    const Band &bandOf(const Event &ev) const
    {
        switch (ev.type) {
        case BandType::GroupHeader: return m_def.groups[ev.group].header;
        case BandType::GroupFooter: return m_def.groups[ev.group].footer;
        case BandType::Summary: return m_def.summary;
        default: return m_def.detail;
        }
    }

    void setRow(const QVector<QVariant> *row) { m_ctx.m_row = row; }

    void syncIn()
    {
        m_ctx.m_vars = m_flow.vars;
        m_ctx.m_sums = m_flow.sums;
        m_ctx.m_sums.resize(m_def.sums.size());
    }
    void syncOut()
    {
        m_flow.vars = m_ctx.m_vars;
        m_flow.sums = m_ctx.m_sums;
    }

    // Reads the next row and works out the bands it brings.
    void advance()
    {
        m_flow.primed = true;
        m_flow.events.clear();
        m_flow.eventIndex = 0;
        if (m_flow.atEnd) {
            m_flow.finished = true;
            return;
        }
        if (m_flow.hasCur) {
            m_flow.prev = m_flow.cur;
            m_flow.hasPrev = true;
        }
        QVector<QVariant> row;
        if (m_flow.read && m_flow.read(row)) {
            m_flow.cur = row;
            m_flow.hasCur = true;
            ++m_flow.rowsRead;
        } else {
            m_flow.cur.clear();
            m_flow.hasCur = false;
            m_flow.atEnd = true;
        }
        const int n = m_def.groups.size();
        if (m_flow.atEnd) {
            if (m_flow.hasPrev)
                for (int g = n - 1; g >= 0; --g)
                    m_flow.events.push_back({BandType::GroupFooter, g});
            m_flow.events.push_back({BandType::Summary, -1});
            return;
        }
        int changed = 0;
        if (m_flow.hasPrev) {
            changed = n;
            for (int g = 0; g < n; ++g) {
                setRow(&m_flow.prev);
                const QVariant before = m_def.groups[g].key(m_ctx);
                setRow(&m_flow.cur);
                const QVariant now = m_def.groups[g].key(m_ctx);
                if (before != now) {
                    changed = g;
                    break;
                }
            }
            for (int g = n - 1; g >= changed; --g)
                m_flow.events.push_back({BandType::GroupFooter, g});
        }
        for (int g = changed; g < n; ++g)
            m_flow.events.push_back({BandType::GroupHeader, g});
        m_flow.events.push_back({BandType::Detail, -1});
    }

    void place(const Band &band, BandType type, int group, double &y)
    {
        if (band.height <= 0)
            return;
        if (band.beforePrint)
            band.beforePrint(m_ctx);
        draw(band, type, group, y);
        y += band.height;
    }

    void draw(const Band &band, BandType type, int group, double top, double across = 0)
    {
        if (!m_sink || band.height <= 0)
            return;
        m_sink->band(type, group, top, band.height);
        const double left = m_def.margins.left + across;
        const double width = printableWidth(m_def);
        for (const Element &e : band.elements) {
            const QRectF r = e.rect.translated(left, top);
            switch (e.kind) {
            case Element::Kind::Text:
                if (e.text) {
                    FontStyle f = e.font;
                    m_sink->text(r, e.align, f, e.color, e.text(m_ctx));
                }
                break;
            case Element::Kind::Line:
                m_sink->line(r.topLeft(), QPointF(left + (e.rect.width() > 0 ? e.rect.right() : width), r.top()));
                break;
            case Element::Kind::Shade:
                m_sink->shade(r);
                break;
            case Element::Kind::Drawing:
                if (e.draw)
                    m_sink->drawing(r, e.draw);
                break;
            case Element::Kind::Barcode:
                if (e.text)
                    m_sink->barcode(r, e.text(m_ctx));
                break;
            }
        }
    }

    ReportDocument &m_doc;
    const ReportDefinition &m_def;
    ReportDocument::Flow &m_flow;
    PageSink *m_sink;
    ReportContext m_ctx;
};

ReportDocument::ReportDocument(ReportDefinition def, data::Connection *connection)
    : m_def(std::move(def)), m_connection(connection)
{
    m_printedAt = now();
    m_connection->ensureConnected();
    {
        QSqlQuery q(m_connection->database());
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT FIRST 1 NOMEEMPRESA, INSCESTADUAL, CNPJ FROM MANUTENCAO")))
            throw data::DataError(q.lastError().text());
        if (q.next()) {
            m_company.name = q.value(0).toString();
            m_company.stateRegistry = q.value(1).toString();
            m_company.cnpj = q.value(2).toString();
            m_company.found = true;
        }
    }
    m_stream = std::make_unique<RowReader>(m_connection, m_def.data);
    m_stream->openAll();
    m_columns = m_stream->columns();
    m_flow = std::make_unique<Flow>();
    m_flow->read = [reader = m_stream.get()](QVector<QVariant> &row) { return reader->next(row); };
    m_flow->sums.resize(m_def.sums.size());
}

ReportDocument::~ReportDocument() = default;

QDateTime ReportDocument::now()
{
    if (fixedClock().isValid())
        return fixedClock();
    static const QDateTime fromEnv =
        QDateTime::fromString(qEnvironmentVariable("QUELVORA_CLOCK"), Qt::ISODate);
    return fromEnv.isValid() ? fromEnv : QDateTime::currentDateTime();
}

void ReportDocument::setClock(const QDateTime &fixed)
{
    fixedClock() = fixed;
}

bool ReportDocument::runPage(Flow &flow, int pageNumber, PageSink *sink)
{
    PageRunner runner(*this, flow, pageNumber, sink);
    runner.run();
    return !flow.finished;
}

bool ReportDocument::layoutNext(PageSink *sink)
{
    if (m_complete)
        return false;
    PageRunner(*this, *m_flow, pageCount() + 1, nullptr).prime();
    auto snap = std::make_shared<Snapshot>();
    snap->flow = *m_flow;
    snap->flow.read = nullptr;
    m_flow->rowsRead = 0;
    const auto stream = m_flow->read;
    if (m_pages.isEmpty())
        m_flow->read = [&](QVector<QVariant> &row) {
            if (!stream(row))
                return false;
            snap->rows.push_back(row);
            return true;
        };
    bool more = false;
    try {
        more = runPage(*m_flow, pageCount() + 1, sink);
    } catch (...) {
        m_flow->read = stream;
        throw;
    }
    m_flow->read = stream;
    snap->rowsToRead = m_flow->rowsRead;
    m_pages.push_back(snap);
    if (!more) {
        m_complete = true;
        m_stream->close();
    }
    return true;
}

bool ReportDocument::layoutMore(int pages)
{
    for (int i = 0; i < pages && layoutNext(nullptr); ++i) {
    }
    return m_complete;
}

bool ReportDocument::layoutAndPaintNext(QPainter &painter, const QSizeF &deviceSize)
{
    bool laid = false;
    withPainterSink(painter, deviceSize, [&](PageSink &sink) { laid = layoutNext(&sink); });
    return laid;
}

void ReportDocument::layoutAll()
{
    while (!layoutMore(64)) {
    }
}

QSizeF ReportDocument::pageSizeMm() const
{
    return paperSize(m_def);
}

QPageLayout ReportDocument::pageLayout() const
{
    if (m_def.paper == Paper::Custom) {
        // A page wider than tall is a landscape page of the upright size,
        // which is how printer drivers know label rolls.
        const QSizeF mm = m_def.customPaper;
        const bool wide = mm.width() > mm.height();
        const QPageSize size(wide ? mm.transposed() : mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
        return QPageLayout(size, wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                           QPageLayout::Millimeter);
    }
    const QPageSize size(m_def.paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void ReportDocument::render(int index, PageSink &sink)
{
    if (index < 0 || index >= m_pages.size())
        return;
    const Snapshot &snap = *m_pages[index];
    Flow flow = snap.flow;
    RowReader reader(m_connection, m_def.data);
    reader.setColumns(m_columns);
    if (snap.rows.size() == snap.rowsToRead) {
        int next = 0;
        flow.read = [&](QVector<QVariant> &row) {
            if (next >= snap.rows.size())
                return false;
            row = snap.rows[next++];
            return true;
        };
    } else {
        if (snap.rowsToRead > 0) {
            if (flow.hasCur)
                reader.openAfter(flow.cur, snap.rowsToRead);
            else
                reader.openAll();
        }
        flow.read = [&](QVector<QVariant> &row) { return reader.next(row); };
    }
    PageRunner(*this, flow, index + 1, &sink).run();
}

void ReportDocument::paint(int index, QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    paint(index, painter, QSizeF(device->width(), device->height()));
}

template <typename F>
void ReportDocument::withPainterSink(QPainter &painter, const QSizeF &deviceSize, F &&draw)
{
    const QSizeF paper = pageSizeMm();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(deviceSize.width() / (paper.width() * Units), deviceSize.height() / (paper.height() * Units));
    PainterSink sink(painter, m_def);
    try {
        draw(sink);
    } catch (...) {
        painter.restore();
        throw;
    }
    painter.restore();
}

void ReportDocument::paint(int index, QPainter &painter, const QSizeF &deviceSize)
{
    withPainterSink(painter, deviceSize, [&](PageSink &sink) { render(index, sink); });
}

QVector<PlacedText> ReportDocument::pageTexts(int index)
{
    RecordingSink sink(m_def);
    render(index, sink);
    return sink.texts;
}

QVector<PlacedBand> ReportDocument::pageBands(int index)
{
    RecordingSink sink(m_def);
    render(index, sink);
    return sink.bands;
}

QVector<PlacedBarcode> ReportDocument::pageBarcodes(int index)
{
    RecordingSink sink(m_def);
    render(index, sink);
    return sink.barcodes;
}

QStringList ReportDocument::pageLines(int index)
{
    QVector<PlacedText> texts = pageTexts(index);
    std::stable_sort(texts.begin(), texts.end(), [](const PlacedText &a, const PlacedText &b) {
        if (qAbs(a.rect.center().y() - b.rect.center().y()) > 0.5)
            return a.rect.center().y() < b.rect.center().y();
        return a.rect.left() < b.rect.left();
    });
    QStringList lines;
    double lineY = -1000;
    for (const PlacedText &t : texts) {
        if (qAbs(t.rect.center().y() - lineY) > 0.5) {
            lines << t.text;
            lineY = t.rect.center().y();
        } else {
            lines.last() += QLatin1Char(' ') + t.text;
        }
    }
    return lines;
}

void writePdf(ReportDocument &document, const QString &path,
              const std::function<bool(int page, int pages)> &progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(document.pageLayout());
        writer.setResolution(600);
        writer.setTitle(document.definition().title);
        writer.setCreator(QStringLiteral("Quelvora"));
        QPainter painter(&writer);
        if (!painter.isActive())
            throw ReportError(QStringLiteral("Não foi possível gravar o arquivo \"%1\".").arg(path));
        const QSizeF deviceSize(writer.width(), writer.height());
        // Pages laid out already are read again; the rest are laid out and
        // painted in one pass.
        for (int i = 0; i < document.pageCount() || !document.isComplete(); ++i) {
            if (progress && !progress(i + 1, document.isComplete() ? document.pageCount() : 0)) {
                painter.end();
                file.cancelWriting();
                return;
            }
            if (i > 0)
                writer.newPage();
            if (i < document.pageCount())
                document.paint(i, painter, deviceSize);
            else
                document.layoutAndPaintNext(painter, deviceSize);
        }
        painter.end();
    }
    if (!file.commit())
        throw ReportError(QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(path, file.errorString()));
}

} // namespace reports
