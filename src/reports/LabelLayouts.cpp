#include "LabelLayouts.h"

namespace reports {

const QVector<LabelLayout> &labelLayouts()
{
    // Sheets centred on A4 with 2.5 mm between columns and none between rows,
    // as the usual stationery sheets are cut.
    static const QVector<LabelLayout> layouts = {
        {QStringLiteral("A4-3X10"), QStringLiteral("A4, 3 x 10 etiquetas de 63,5 x 25,4 mm"), Paper::A4, {},
         3, 10, 63.5, 25.4, 7.25, 21.5, 66.0, 25.4},
        {QStringLiteral("A4-3X7"), QStringLiteral("A4, 3 x 7 etiquetas de 63,5 x 38,1 mm"), Paper::A4, {},
         3, 7, 63.5, 38.1, 7.25, 15.15, 66.0, 38.1},
        {QStringLiteral("A4-2X7"), QStringLiteral("A4, 2 x 7 etiquetas de 99,1 x 38,1 mm"), Paper::A4, {},
         2, 7, 99.1, 38.1, 4.65, 15.15, 101.6, 38.1},
        {QStringLiteral("TERMICA-100X50"), QStringLiteral("Térmica, rolo de etiquetas de 100 x 50 mm"), Paper::Custom,
         QSizeF(100, 50), 1, 1, 100, 50, 0, 0, 100, 50},
    };
    return layouts;
}

const LabelLayout *findLabelLayout(const QString &key)
{
    for (const LabelLayout &l : labelLayouts())
        if (l.key.compare(key.trimmed(), Qt::CaseInsensitive) == 0)
            return &l;
    return nullptr;
}

} // namespace reports
