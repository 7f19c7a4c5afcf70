#pragma once

#include "ReportRegistry.h"

namespace reports {

// The municipalities register, by name.
ReportDefinition RepMunicipio();
ReportEntry repMunicipioEntry();

} // namespace reports
