#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

class QPainter;

namespace reports {

// Bars grouped by category, one bar per series in each, with a value axis
// from zero and a legend: what a printed page can show of a chart without
// a widget.
struct BarChart
{
    struct Series
    {
        QString name;
        QColor color;
        QVector<double> values; // one per category
    };
    QString title;
    QString axisTitle;
    QStringList categories;
    QVector<Series> series;
};

// Paints CHART into RECT (device units) with the painter's own font family.
void paintBarChart(QPainter &painter, const QRectF &rect, const BarChart &chart);

} // namespace reports
