#pragma once

#include "ReportRegistry.h"

namespace reports {

// The suppliers register, by name.
ReportDefinition RepFornecedores();
ReportEntry repFornecedoresEntry();

} // namespace reports
