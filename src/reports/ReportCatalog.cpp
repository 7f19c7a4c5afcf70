#include "ReportCatalog.h"

#include "UnitRepEstoque.h"

namespace reports {

QVector<ReportEntry> catalogEntries()
{
    return {
        repEstoqueEntry(),
    };
}

} // namespace reports
