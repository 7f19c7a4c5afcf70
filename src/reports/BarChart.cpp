#include "BarChart.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace reports {

namespace {

// A round step giving about five divisions up to MAX.
double niceStep(double max)
{
    const double raw = max / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double f : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (raw <= f * magnitude)
            return f * magnitude;
    return 10 * magnitude;
}

} // namespace

void paintBarChart(QPainter &p, const QRectF &rect, const BarChart &chart)
{
    const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    double max = 0;
    for (const BarChart::Series &s : chart.series)
        for (double v : s.values)
            max = std::max(max, v);
    if (max <= 0)
        max = 1;
    const double step = niceStep(max);
    const double top = std::ceil(max / step) * step;

    QFont font = p.font();
    const double unit = rect.height() / 60; // text size follows the chart
    font.setPixelSize(std::max(1, int(unit * 2.0)));
    font.setBold(true);
    p.setFont(font);
    QFontMetricsF fm(font);
    const double lineH = fm.height();
    p.setPen(Qt::black);
    p.drawText(QRectF(rect.left(), rect.top(), rect.width(), lineH), Qt::AlignHCenter | Qt::AlignVCenter, chart.title);
    font.setBold(false);
    p.setFont(font);
    fm = QFontMetricsF(font);

    // Legend under the title.
    double lx = rect.left() + rect.width() * 0.1;
    const double ly = rect.top() + lineH * 1.3;
    for (const BarChart::Series &s : chart.series) {
        p.fillRect(QRectF(lx, ly + lineH * 0.2, lineH * 0.6, lineH * 0.6), s.color);
        p.drawText(QPointF(lx + lineH, ly + fm.ascent()), s.name);
        lx += lineH * 2 + fm.horizontalAdvance(s.name);
    }

    double axisWidth = 0;
    for (double v = 0; v <= top + step / 2; v += step)
        axisWidth = std::max(axisWidth, fm.horizontalAdvance(locale.toString(v, 'f', 0)));
    const QRectF plot(rect.left() + axisWidth + lineH * 1.5, ly + lineH * 1.6,
                      rect.width() - axisWidth - lineH * 2, rect.bottom() - ly - lineH * 4.2);
    if (plot.width() <= 0 || plot.height() <= 0)
        return;

    QPen grid(QColor(200, 200, 200));
    grid.setWidthF(unit * 0.1);
    for (double v = 0; v <= top + step / 2; v += step) {
        const double y = plot.bottom() - v / top * plot.height();
        p.setPen(grid);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(Qt::black);
        const QString t = locale.toString(v, 'f', 0);
        p.drawText(QRectF(rect.left(), y - lineH / 2, axisWidth + lineH * 0.5, lineH), Qt::AlignRight | Qt::AlignVCenter, t);
    }
    p.save();
    p.translate(rect.left() + axisWidth + lineH * 0.9, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, -lineH / 2, plot.height(), lineH), Qt::AlignCenter, chart.axisTitle);
    p.restore();

    const int n = int(chart.categories.size());
    const int bars = std::max(1, int(chart.series.size()));
    if (n > 0) {
        const double slot = plot.width() / n;
        const double barW = slot * 0.7 / bars;
        for (int i = 0; i < n; ++i) {
            const double x0 = plot.left() + i * slot + slot * 0.15;
            for (int b = 0; b < int(chart.series.size()); ++b) {
                const double v = chart.series[b].values.value(i);
                const double h = std::max(0.0, v) / top * plot.height();
                p.fillRect(QRectF(x0 + b * barW, plot.bottom() - h, barW, h), chart.series[b].color);
            }
            p.setPen(Qt::black);
            const QString label = fm.elidedText(chart.categories[i], Qt::ElideRight, slot * 0.98);
            p.drawText(QRectF(plot.left() + i * slot, plot.bottom() + lineH * 0.2, slot, lineH), Qt::AlignHCenter | Qt::AlignTop,
                       label);
        }
    }
    QPen axis(Qt::black);
    axis.setWidthF(unit * 0.15);
    p.setPen(axis);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
}

} // namespace reports
