#pragma once

#include "ReportRegistry.h"

namespace reports {

// The species register, by name.
ReportDefinition RepEssencia();
ReportEntry repEssenciaEntry();

} // namespace reports
