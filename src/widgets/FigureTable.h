#pragma once

#include <QStringList>

class QTableWidget;

namespace widgets {

// A read-only table of figures worked out by the database (grouped sums):
// the given column titles, no editing, whole rows selected.
void setUpFigureTable(QTableWidget *table, const QStringList &titles);

// Appends a row; NUMERIC tells which columns align right; totals in bold.
void appendFigureRow(QTableWidget *table, const QStringList &texts, const QVector<bool> &numeric, bool bold = false);

} // namespace widgets
