#pragma once

#include "ReportRegistry.h"

namespace reports {

// The logs in the yard (not yet sawn), grouped by species, with a subtotal
// per species and the total volume.
ReportDefinition RepEstoque();
ReportEntry repEstoqueEntry();

} // namespace reports
