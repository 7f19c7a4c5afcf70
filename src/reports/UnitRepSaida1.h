#pragma once

#include "ReportRegistry.h"

namespace reports {

// The lines of one sale invoice (FORNECEDOR, the client code the lines keep, and NOTA), grouped by species. A line
// belongs to its invoice by number and client code together.
ReportDefinition RepSaida1(const QVariantMap &params);
ReportEntry repSaida1Entry();

} // namespace reports
