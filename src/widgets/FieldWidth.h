#pragma once

#include <QString>

class QWidget;

namespace widgets {

// Keeps a field (line edit, combo box or spin box) at least wide enough to
// show `longest` whole in whatever font the skin gives it, so that a layout
// on a small screen never squeezes it below the longest value its column
// takes.
void fitWidthTo(QWidget *field, const QString &longest);

} // namespace widgets
