#pragma once

#include "ReportRegistry.h"

namespace reports {

// The program's reports. To add one: write its unit with a function
// returning its ReportEntry and list that function in ReportCatalog.cpp.
QVector<ReportEntry> catalogEntries();

} // namespace reports
