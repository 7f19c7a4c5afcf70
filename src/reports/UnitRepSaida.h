#pragma once

#include "ReportRegistry.h"

namespace reports {

// The sawn-wood sale invoices of a period.
ReportDefinition RepSaida(const QVariantMap &params);
ReportEntry repSaidaEntry();

} // namespace reports
