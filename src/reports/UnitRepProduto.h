#pragma once

#include "ReportRegistry.h"

namespace reports {

// The products register, by name.
ReportDefinition RepProduto();
ReportEntry repProdutoEntry();

} // namespace reports
