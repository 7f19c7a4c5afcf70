#pragma once

#include "ReportDefinition.h"
#include "ReportRegistry.h"

#include <QDate>

// The pieces the program's reports are built of beyond the company header
// and footer: heading lines, the period of INICIO to FIM and the order
// ORDEM, columns with their titles, groups headed by a name, total lines,
// and the catalog entry of a report that reads nothing else.
namespace reports {

const double kLine = 4.5; // mm, one printed line

// A heading line under a report's title: the caption and, at VALUEX
// millimetres, its value in bold.
void headingLine(QVector<Element> &extra, double y, const QString &caption, double valueX,
                 std::function<QString(const ReportContext &)> value, double valueWidth);
// A heading value known when the report is described.
std::function<QString(const ReportContext &)> fixedText(const QString &text);

struct Period
{
    QDate from, to;
};

// INICIO and FIM of PARAMS.
Period periodOf(const QVariantMap &params);
// The period's markers :inicio and :depois, both days whole.
void periodParams(QVariantMap &params, const Period &period);
// DATE_COLUMN within the period, bound as dates.
void periodCondition(RowSource &source, const QString &dateColumn, const Period &period);
// A report of the rows of TABLE whose DATE_COLUMN falls in the period of
// PARAMS; the caller gives the order, key, bands and sums.
ReportDefinition periodReport(const QString &name, Paper paper, const QString &table, const QString &dateColumn,
                              const QVariantMap &params);
// The "Período Inicial..:" and "Período Final....:" heading lines, from
// Y millimetres under the title.
void periodHeading(QVector<Element> &extra, double y, const Period &period);

// ORDEM of PARAMS in upper case, or the first of ALLOWED when not given;
// throws ReportError naming REPORT when it is not one of them.
QString orderOf(const QString &report, const QVariantMap &params, const QStringList &allowed);

// INICIO, FIM and ORDEM, for the catalog; ORDERS describes the choices.
QVector<ReportParameter> periodParameters(const QString &orders);

// A column: its title, and on the detail line the value under it, a field
// through its mask or what VALUE works out. A column with neither has only
// its title (a group header prints what stands under it).
struct Column
{
    double x;
    double width;
    QString title;
    QString field = {};
    QString mask = {};
    Qt::Alignment align = Qt::AlignLeft;
    bool bold = false;
    std::function<QString(const ReportContext &)> value = {};
};
// The column titles and the one-line detail band of COLUMNS.
void setColumns(ReportDefinition &def, const QVector<Column> &columns);

// A group of the rows with one KEY under a bold header: COLUMN of its first
// row, cut to CHARS characters when CHARS > 0, WIDTH millimetres wide.
Group headedGroup(std::function<QVariant(const ReportContext &)> key, const QString &column, double width,
                  int chars = 0);
// The species group: the first 20 characters of ESSENCIA.
Group speciesGroup(double width = 50);

// A rule WIDTH millimetres long from X, at Y (a subtotal's rule).
Element ruleAt(double x, double y, double width);

// An engine sum printed at its column.
struct SumAt
{
    QString sum;
    double x;
    double width;
    QString mask;
};
// Under a rule, CAPTION in bold and each sum at its column; the band is at
// least 7 mm high.
void totalLine(Band &band, const QString &caption, double captionWidth, const QVector<SumAt> &sums = {});

// The catalog entry of a report made from its parameters alone.
ReportEntry plainEntry(const QString &name, const QString &description, const QVector<ReportParameter> &parameters,
                       ReportDefinition (*make)(const QVariantMap &));
// The catalog entry of a report that asks nothing.
ReportEntry plainEntry(const QString &name, const QString &description, ReportDefinition (*make)());

} // namespace reports
