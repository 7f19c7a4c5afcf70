#include "ReportDocument.h"
#include "RowReader.h"

#include <QRegularExpression>

#include <algorithm>

namespace reports {

namespace {

// A value printed by an element, as it goes into one column.
struct SheetColumn
{
    const Element *element;
    int group; // -1 for the detail line
};

bool isNumberPattern(const QString &mask)
{
    static const QRegularExpression re(QStringLiteral("^[0#.,]+$"));
    return re.match(mask).hasMatch();
}

// A computed text read back: a number as printed ("1.234,5000", "-0,30"),
// a date (dd/MM/yyyy), or the text itself.
QVariant typedText(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?(\\d{1,3}(\\.\\d{3})+|\\d+)(,\\d+)?$"));
    static const QRegularExpression date(QStringLiteral("^\\d{2}/\\d{2}/\\d{4}$"));
    const QString t = text.trimmed();
    if (number.match(t).hasMatch()) {
        bool ok = false;
        const double v = QString(t).remove(u'.').replace(u',', u'.').toDouble(&ok);
        if (ok)
            return v;
    }
    if (date.match(t).hasMatch()) {
        const QDate d = QDate::fromString(t, QStringLiteral("dd/MM/yyyy"));
        if (d.isValid())
            return d;
    }
    return text;
}

double overlap(const QRectF &a, const QRectF &b)
{
    return std::min(a.right(), b.right()) - std::max(a.left(), b.left());
}

} // namespace

Sheet ReportDocument::toSheet()
{
    ReportContext ctx;
    ctx.m_def = &m_def;
    ctx.m_company = &m_company;
    ctx.m_columns = &m_columns;
    ctx.m_printedAt = m_printedAt;

    // The titles of the column header band, by their place on the line.
    QVector<QPair<QRectF, QString>> titles;
    for (const Element &e : m_def.columnHeader.elements) {
        if (e.kind == Element::Kind::Text && e.text)
            titles.push_back({e.rect, e.text(ctx).trimmed()});
    }

    QVector<SheetColumn> columns;
    auto take = [&](const Band &band, int group) {
        QVector<const Element *> texts;
        for (const Element &e : band.elements) {
            if (e.kind == Element::Kind::Text && e.text)
                texts << &e;
        }
        std::stable_sort(texts.begin(), texts.end(),
                         [](const Element *a, const Element *b) { return a->rect.left() < b->rect.left(); });
        for (const Element *e : texts)
            columns.push_back({e, group});
    };
    for (int g = 0; g < m_def.groups.size(); ++g)
        take(m_def.groups[g].header, g);
    take(m_def.detail, -1);

    Sheet sheet;
    sheet.name = m_def.name;
    QVector<bool> titleUsed(titles.size(), false);
    for (const SheetColumn &c : columns) {
        int best = -1;
        double bestOverlap = 0;
        for (int i = 0; i < titles.size(); ++i) {
            const double o = overlap(c.element->rect, titles[i].first);
            if (!titleUsed[i] && o > bestOverlap) {
                best = i;
                bestOverlap = o;
            }
        }
        QString title;
        if (best >= 0) {
            titleUsed[best] = true;
            title = titles[best].second;
        }
        if (title.isEmpty())
            title = c.element->column.isEmpty() ? QStringLiteral("Coluna %1").arg(sheet.titles.size() + 1)
                                                : c.element->column;
        sheet.titles << title;
        sheet.formats << (isNumberPattern(c.element->mask) ? c.element->mask : QString());
    }

    RowReader reader(m_connection, m_def.data);
    reader.openAll();
    m_columns = reader.columns();
    QVector<QVariant> row;
    QVector<QVariant> keys(m_def.groups.size());
    bool first = true;
    ctx.m_row = &row;
    while (reader.next(row)) {
        // Group headers' hooks run as a new group starts, as on the page.
        for (int g = 0; g < m_def.groups.size(); ++g) {
            const Group &group = m_def.groups[g];
            const QVariant key = group.key ? group.key(ctx) : QVariant();
            if (first || key != keys[g]) {
                for (int inner = g; inner < m_def.groups.size(); ++inner) {
                    keys[inner] = m_def.groups[inner].key ? m_def.groups[inner].key(ctx) : QVariant();
                    if (m_def.groups[inner].header.beforePrint)
                        m_def.groups[inner].header.beforePrint(ctx);
                }
                break;
            }
        }
        first = false;
        if (m_def.detail.beforePrint)
            m_def.detail.beforePrint(ctx);
        QVector<QVariant> cells;
        cells.reserve(columns.size());
        for (const SheetColumn &c : columns) {
            const Element &e = *c.element;
            if (e.column.isEmpty()) {
                cells << typedText(e.text(ctx));
                continue;
            }
            const QVariant v = ctx.value(e.column);
            const int type = v.typeId();
            const bool number = type == QMetaType::Double || type == QMetaType::Int || type == QMetaType::LongLong;
            if (v.isNull() || type == QMetaType::QDateTime || type == QMetaType::QDate
                || (number && (e.mask.isEmpty() || isNumberPattern(e.mask))))
                cells << v;
            else
                cells << e.text(ctx);
        }
        sheet.rows << cells;
    }
    ctx.m_row = nullptr;
    return sheet;
}

} // namespace reports
