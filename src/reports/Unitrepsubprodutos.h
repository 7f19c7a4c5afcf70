#pragma once

#include "ReportRegistry.h"

namespace reports {

// The sub-products register, by name.
ReportDefinition Repsubproduto();
ReportEntry repsubprodutoEntry();

} // namespace reports
