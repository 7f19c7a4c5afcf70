#pragma once

#include "ReportRegistry.h"

namespace reports {

// The clients register, by name, grouped by the name's first letter.
ReportDefinition RepCredores();
ReportEntry repCredoresEntry();

} // namespace reports
