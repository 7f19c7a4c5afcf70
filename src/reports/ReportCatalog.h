#pragma once

#include "ReportRegistry.h"

namespace reports {

// The program's reports. To add one: write its unit (UnitRepX.h/.cpp here)
// with a function returning its ReportEntry, list that function in
// ReportCatalog.cpp, and it is reachable by name from the windows
// (widgets::ReportWindow, widgets::previewReport/printReport) and from
// "quelvora-tool report". A report is a ReportDefinition: fill its RowSource
// (table, condition with ":name" markers and their values, order, key),
// its bands (standardPageHeader, columnTitles, groups, detail, summary,
// standardPageFooter) and sums; see UnitRepEstoque.cpp.
QVector<ReportEntry> catalogEntries();

} // namespace reports
