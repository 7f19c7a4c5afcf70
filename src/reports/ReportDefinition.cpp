#include "ReportDefinition.h"

#include "ReportError.h"

#include "core/EditMask.h"
#include "core/Formats.h"

#include <QDate>

namespace reports {

namespace {

bool isNumberPattern(const QString &mask)
{
    return mask.contains(QLatin1Char('0')) || mask.contains(QLatin1Char('#'));
}

Element textElement(double x, double y, double width, double height, Qt::Alignment align, bool bold)
{
    Element e;
    e.rect = QRectF(x, y, width, height);
    e.align = align | Qt::AlignVCenter;
    e.font.bold = bold;
    return e;
}

} // namespace

QString formatValue(const QVariant &value, const QString &mask)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        if (mask.isEmpty())
            return core::generalNumber(value.toDouble());
        if (isNumberPattern(mask))
            return core::formatFloat(mask, value.toDouble());
        // A digit mask over a number kept in a numeric column.
        return core::EditMask(mask).display(QString::number(value.toLongLong()));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(mask.isEmpty() ? QStringLiteral("dd/MM/yyyy") : mask);
    case QMetaType::QDate:
        return value.toDate().toString(mask.isEmpty() ? QStringLiteral("dd/MM/yyyy") : mask);
    case QMetaType::QTime:
        return value.toTime().toString(mask.isEmpty() ? QStringLiteral("hh:mm:ss") : mask);
    default:
        break;
    }
    const QString text = value.toString();
    if (mask.isEmpty())
        return text;
    if (isNumberPattern(mask)) {
        double d = 0;
        if (core::parseNumber(text, &d))
            return core::formatFloat(mask, d);
        return text;
    }
    return core::EditMask(mask).display(text);
}

QVariant ReportContext::value(const QString &field) const
{
    if (!m_row || !m_columns)
        return {};
    const auto it = m_columns->constFind(field.toUpper());
    if (it == m_columns->constEnd())
        throw ReportError(QStringLiteral("O relatório %1 não lê a coluna %2.").arg(m_def->name, field));
    return m_row->value(*it);
}

QString ReportContext::text(const QString &field, const QString &mask) const
{
    return formatValue(value(field), mask);
}

double ReportContext::sum(const QString &name) const
{
    for (int i = 0; i < m_def->sums.size(); ++i)
        if (m_def->sums[i].name == name)
            return m_sums.value(i);
    return 0;
}

Element label(double x, double y, double width, double height, const QString &text, Qt::Alignment align,
              bool bold)
{
    Element e = textElement(x, y, width, height, align, bold);
    e.text = [text](const ReportContext &) { return text; };
    return e;
}

Element field(double x, double y, double width, double height, const QString &column, const QString &mask,
              Qt::Alignment align, bool bold)
{
    Element e = textElement(x, y, width, height, align, bold);
    e.text = [column, mask](const ReportContext &c) { return c.text(column, mask); };
    e.column = column;
    e.mask = mask;
    return e;
}

Element computed(double x, double y, double width, double height,
                 std::function<QString(const ReportContext &)> text, Qt::Alignment align, bool bold)
{
    Element e = textElement(x, y, width, height, align, bold);
    e.text = std::move(text);
    return e;
}

Element sumField(double x, double y, double width, double height, const QString &sum, const QString &mask,
                 Qt::Alignment align, bool bold)
{
    Element e = textElement(x, y, width, height, align, bold);
    e.text = [sum, mask](const ReportContext &c) { return core::formatFloat(mask, c.sum(sum)); };
    return e;
}

Element rule(double y, double width)
{
    Element e;
    e.kind = Element::Kind::Line;
    e.rect = QRectF(0, y, width, 0);
    return e;
}

Element shade(double x, double y, double width, double height)
{
    Element e;
    e.kind = Element::Kind::Shade;
    e.rect = QRectF(x, y, width, height);
    return e;
}

Element drawing(double x, double y, double width, double height, std::function<void(QPainter &, const QRectF &)> draw)
{
    Element e;
    e.kind = Element::Kind::Drawing;
    e.rect = QRectF(x, y, width, height);
    e.draw = std::move(draw);
    return e;
}

Element barcode(double x, double y, double width, double height,
                std::function<QString(const ReportContext &)> text)
{
    Element e;
    e.kind = Element::Kind::Barcode;
    e.rect = QRectF(x, y, width, height);
    e.text = std::move(text);
    return e;
}

std::function<QVariant(const ReportContext &)> leftOf(const QString &column, int n)
{
    return [column, n](const ReportContext &c) { return QVariant(c.value(column).toString().left(n)); };
}

QSizeF paperSize(Paper paper)
{
    return paper == Paper::A4 ? QSizeF(210, 297) : QSizeF(215.9, 279.4);
}

QSizeF paperSize(const ReportDefinition &def)
{
    return def.paper == Paper::Custom ? def.customPaper : paperSize(def.paper);
}

double printableWidth(const ReportDefinition &def)
{
    return paperSize(def).width() - def.margins.left - def.margins.right;
}

Band standardPageHeader(const ReportDefinition &def, const QString &title, const QVector<Element> &extra,
                        double extraHeight)
{
    const double w = printableWidth(def);
    Band b;
    b.add(rule(0.2, w));
    b.add(computed(0, 1, w * 0.75, 5, [](const ReportContext &c) { return c.company().name; }, Qt::AlignLeft, true));
    b.add(computed(w * 0.75, 1, w * 0.25, 5,
                   [](const ReportContext &c) { return QStringLiteral("PAGINA ") + QString::number(c.pageNumber()); },
                   Qt::AlignRight));
    b.add(computed(0, 6, w * 0.5, 5,
                   [](const ReportContext &c) { return QStringLiteral("INS. ESTADUAL.: ") + c.company().stateRegistry; },
                   Qt::AlignLeft));
    b.add(computed(w * 0.5, 6, w * 0.5, 5,
                   [](const ReportContext &c) { return QStringLiteral("CNPJ (MF).: ") + c.company().cnpj; },
                   Qt::AlignRight));
    b.add(rule(11.5, w));
    Element t = label(0, 12.5, w, 6, title, Qt::AlignHCenter, true);
    t.font.pointSize = def.font.pointSize + 2;
    b.add(t);
    const double extraTop = 19;
    for (Element e : extra) {
        e.rect.translate(0, extraTop);
        b.add(e);
    }
    b.height = extraTop + extraHeight + 0.5;
    return b;
}

Band standardPageFooter(const ReportDefinition &def)
{
    const double w = printableWidth(def);
    Band b;
    b.height = 6.5;
    b.add(rule(0.5, w));
    b.add(computed(0, 1, w * 0.25, 5,
                   [](const ReportContext &c) { return c.printedAt().toString(QStringLiteral("dd/MM/yyyy")); }));
    b.add(label(w * 0.2, 1, w * 0.6, 5, kMakerLine, Qt::AlignHCenter));
    b.add(computed(w * 0.75, 1, w * 0.25, 5,
                   [](const ReportContext &c) { return c.printedAt().toString(QStringLiteral("hh:mm:ss")); },
                   Qt::AlignRight));
    return b;
}

Band columnTitles(const ReportDefinition &def, const QVector<ColumnTitle> &titles)
{
    const double w = printableWidth(def);
    Band b;
    b.height = 7;
    b.add(rule(0.5, w));
    for (const ColumnTitle &t : titles)
        b.add(label(t.x, 1, t.width, 5, t.caption, t.align, true));
    b.add(rule(6.5, w));
    return b;
}

} // namespace reports
