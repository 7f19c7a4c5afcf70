#pragma once

#include "ReportRegistry.h"

namespace reports {

// One log intake invoice of one supplier, its logs grouped by species.
ReportDefinition RepEntrada1(const QVariantMap &params);
ReportEntry repEntrada1Entry();

} // namespace reports
