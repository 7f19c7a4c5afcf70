#pragma once

#include "reports/SheetExport.h"

#include <QString>

#include <functional>

class QAction;
class QWidget;

namespace widgets {

class DBGrid;

// Saving a grid or a report as a spreadsheet, the one way every window does
// it: ask where (an .xlsx workbook or a CSV file, by the name's ending), make
// the table, write it; what goes wrong is shown with its own text.

// Asks for the file to write, offering `suggested`; empty when the user
// gave up. Tests install their own; nullptr puts back the file dialog.
using SheetFileAsker = std::function<QString(QWidget *parent, const QString &suggested)>;
void setSheetFileAsker(SheetFileAsker asker);

// Asks for the file and writes the table `make` gives. True when written.
bool saveSheet(QWidget *parent, const QString &suggestedName, const std::function<reports::Sheet()> &make);

// The rows of a grid's dataset with the grid's visible columns and their
// titles as shown: numbers and dates keep their types, texts with an edit
// mask are written as shown ("12.ABC.345/01DE-35"). Every row is read, not
// only those on screen; the current row stays where it was.
reports::Sheet gridSheet(const DBGrid *grid);

// The grid's context menu entry "Salvar como planilha...".
QAction *addSheetAction(DBGrid *grid);

} // namespace widgets
