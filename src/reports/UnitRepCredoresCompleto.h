#pragma once

#include "ReportRegistry.h"

namespace reports {

// The clients register, by name, one card per client with all its data.
ReportDefinition RepCredores1();
ReportEntry repCredores1Entry();

} // namespace reports
