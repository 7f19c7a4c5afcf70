#pragma once

#include "ReportRegistry.h"

namespace reports {

// The log intake invoices of a period.
ReportDefinition RepEntrada(const QVariantMap &params);
ReportEntry repEntradaEntry();

} // namespace reports
