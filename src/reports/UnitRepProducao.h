#pragma once

#include "ReportRegistry.h"

namespace reports {

// The production of a period, grouped by species as the rows come in the
// chosen order, with log and sawn volume subtotals.
ReportDefinition RepProducao(const QVariantMap &params);
ReportEntry repProducaoEntry();

} // namespace reports
