#pragma once

#include "ReportRegistry.h"

namespace reports {

// The sawn-wood intake invoices of a period.
ReportDefinition RepEntrada2(const QVariantMap &params);
ReportEntry repEntrada2Entry();

} // namespace reports
