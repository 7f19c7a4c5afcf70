#pragma once

#include "ReportRegistry.h"

namespace reports {

// One sawn-wood intake invoice of one supplier, its lines grouped by species.
ReportDefinition RepEntrada3(const QVariantMap &params);
ReportEntry repEntrada3Entry();

} // namespace reports
