#pragma once

#include "ReportDefinition.h"

#include <QSizeF>
#include <QString>
#include <QVector>

namespace reports {

// A sheet (or roll) of self-adhesive labels: where the labels sit on the
// paper, in millimetres. The first label's top-left corner is at (left,
// top); the next one across is pitchX further right, the next one down
// pitchY lower (pitch = label plus the gap between labels).
struct LabelLayout
{
    QString key;         // "A4-3X10", as the command line gives it
    QString description; // as the label window lists it
    Paper paper = Paper::A4;
    QSizeF customPaper;  // with Paper::Custom
    int columns = 1;
    int rows = 1;
    double width = 0, height = 0;
    double left = 0, top = 0;
    double pitchX = 0, pitchY = 0;

    int labelsPerPage() const { return columns * rows; }
};

// The layouts offered, the A4 sheets first.
const QVector<LabelLayout> &labelLayouts();
// Nullptr for a key not in the table (case does not matter).
const LabelLayout *findLabelLayout(const QString &key);

} // namespace reports
