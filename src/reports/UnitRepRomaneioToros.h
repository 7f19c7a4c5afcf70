#pragma once

#include "ReportRegistry.h"

namespace reports {

// The log packing list of one client and number; the heading shows the
// client as the register holds it.
ReportDefinition RepRomaneioToros(data::Connection &connection, const QVariantMap &params);
ReportEntry repRomaneioTorosEntry();

} // namespace reports
