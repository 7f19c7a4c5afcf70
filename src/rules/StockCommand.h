#pragma once

#include <QStringList>

class QTextStream;

namespace rules {

// quelvora-tool check-stock --database PATH: recomputes every stock figure
// from the movements, prints each difference from the summaries and returns
// 1 when there is any (2 for bad arguments or a database that cannot be
// read). A database without the summaries gets them first.
int runCheckStock(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace rules
