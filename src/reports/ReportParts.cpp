#include "ReportParts.h"

#include "ReportError.h"

namespace reports {

void headingLine(QVector<Element> &extra, double y, const QString &caption, double valueX,
                 std::function<QString(const ReportContext &)> value, double valueWidth)
{
    extra << label(0, y, valueX - 1, kLine, caption);
    extra << computed(valueX, y, valueWidth, kLine, std::move(value), Qt::AlignLeft, true);
}

std::function<QString(const ReportContext &)> fixedText(const QString &text)
{
    return [text](const ReportContext &) { return text; };
}

Period periodOf(const QVariantMap &params)
{
    return {params.value(QStringLiteral("INICIO")).toDate(), params.value(QStringLiteral("FIM")).toDate()};
}

void periodParams(QVariantMap &params, const Period &period)
{
    // The final day counts whole, whatever time of day a row carries.
    params.insert(QStringLiteral("inicio"), QDateTime(period.from, QTime(0, 0)));
    params.insert(QStringLiteral("depois"), QDateTime(period.to.addDays(1), QTime(0, 0)));
}

void periodCondition(RowSource &source, const QString &dateColumn, const Period &period)
{
    source.condition = dateColumn + QStringLiteral(" >= :inicio and ") + dateColumn + QStringLiteral(" < :depois");
    periodParams(source.params, period);
}

ReportDefinition periodReport(const QString &name, Paper paper, const QString &table, const QString &dateColumn,
                              const QVariantMap &params)
{
    ReportDefinition def;
    def.name = name;
    def.paper = paper;
    def.params = params;
    def.data.table = table;
    periodCondition(def.data, dateColumn, periodOf(params));
    return def;
}

void periodHeading(QVector<Element> &extra, double y, const Period &period)
{
    headingLine(extra, y, QStringLiteral("Período Inicial..:"), 38,
                fixedText(period.from.toString(QStringLiteral("dd/MM/yyyy"))), 30);
    headingLine(extra, y + kLine, QStringLiteral("Período Final....:"), 38,
                fixedText(period.to.toString(QStringLiteral("dd/MM/yyyy"))), 30);
}

QString orderOf(const QString &report, const QVariantMap &params, const QStringList &allowed)
{
    const QString order = params.value(QStringLiteral("ORDEM")).toString().trimmed().toUpper();
    if (order.isEmpty())
        return allowed.value(0);
    if (!allowed.contains(order))
        throw ReportError(QStringLiteral("Parâmetro ORDEM do relatório %1: \"%2\" não é %3.")
                              .arg(report, order, allowed.join(QStringLiteral(", "))));
    return order;
}

QVector<ReportParameter> periodParameters(const QString &orders)
{
    return {{QStringLiteral("INICIO"), ReportParameter::Type::Date, QStringLiteral("primeiro dia do período"), true},
            {QStringLiteral("FIM"), ReportParameter::Type::Date, QStringLiteral("último dia do período"), true},
            {QStringLiteral("ORDEM"), ReportParameter::Type::Text, orders, false}};
}

void setColumns(ReportDefinition &def, const QVector<Column> &columns)
{
    QVector<ColumnTitle> titles;
    def.detail.height = kLine;
    for (const Column &c : columns) {
        titles.push_back({c.x, c.width, c.title, c.align});
        if (c.value)
            def.detail.add(computed(c.x, 0, c.width, kLine, c.value, c.align, c.bold));
        else if (!c.field.isEmpty())
            def.detail.add(field(c.x, 0, c.width, kLine, c.field, c.mask, c.align, c.bold));
    }
    def.columnHeader = columnTitles(def, titles);
}

Group headedGroup(std::function<QVariant(const ReportContext &)> key, const QString &column, double width, int chars)
{
    Group group;
    group.key = std::move(key);
    group.header.height = 5;
    group.header.add(computed(0, 0.5, width, kLine,
                              [column, chars](const ReportContext &c) {
                                  const QString text = c.value(column).toString();
                                  return chars > 0 ? text.left(chars) : text;
                              },
                              Qt::AlignLeft, true));
    return group;
}

Group speciesGroup(double width)
{
    const QString species = QStringLiteral("ESSENCIA");
    return headedGroup(leftOf(species, 20), species, width, 20);
}

Element ruleAt(double x, double y, double width)
{
    Element e = rule(y, width);
    e.rect.moveLeft(x);
    return e;
}

void totalLine(Band &band, const QString &caption, double captionWidth, const QVector<SumAt> &sums)
{
    band.height = qMax(band.height, 7.0);
    band.add(rule(0.5));
    band.add(label(0, 1.5, captionWidth, kLine, caption, Qt::AlignLeft, true));
    for (const SumAt &s : sums)
        band.add(sumField(s.x, 1.5, s.width, kLine, s.sum, s.mask));
}

ReportEntry plainEntry(const QString &name, const QString &description, const QVector<ReportParameter> &parameters,
                       ReportDefinition (*make)(const QVariantMap &))
{
    return {name, description, parameters,
            [make](data::Connection &, const QVariantMap &params) { return make(params); }};
}

ReportEntry plainEntry(const QString &name, const QString &description, ReportDefinition (*make)())
{
    return {name, description, {}, [make](data::Connection &, const QVariantMap &) { return make(); }};
}

} // namespace reports
