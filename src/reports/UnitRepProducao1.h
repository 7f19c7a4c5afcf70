#pragma once

#include "ReportRegistry.h"

namespace reports {

// The production of a period for one species (ESSENCIA, its code).
ReportDefinition RepProducao1(const QVariantMap &params);
ReportEntry repProducao1Entry();

} // namespace reports
