#pragma once

#include "ReportRegistry.h"

namespace reports {

// The log invoices imported from NF-e issued in a period (INICIO to FIM),
// of one supplier (FORNECEDOR) or all: the volume declared, the volume
// measured in the yard and their difference in m3 and percent, per
// invoice, per supplier and in total.
ReportDefinition RepDeclarado(const QVariantMap &params);
ReportEntry repDeclaradoEntry();

} // namespace reports
