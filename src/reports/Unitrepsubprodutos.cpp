#include "Unitrepsubprodutos.h"

#include "RegisterListing.h"
#include "ReportParts.h"

namespace reports {

ReportDefinition Repsubproduto()
{
    return registerListing(QStringLiteral("Repsubproduto"), QStringLiteral("RELATÓRIO DE SUB-PRODUTOS"),
                           QStringLiteral("SUBPRODUTO"), QStringLiteral("GRAUIND"), QStringLiteral("NOMEGRAU"),
                           {{0, 16, QStringLiteral("Código"), QStringLiteral("GRAUIND"), Qt::AlignHCenter},
                            {20, 120, QStringLiteral("Sub-Produto"), QStringLiteral("NOMEGRAU")}});
}

ReportEntry repsubprodutoEntry()
{
    return plainEntry(QStringLiteral("Repsubproduto"), QStringLiteral("Listagem dos sub-produtos"), Repsubproduto);
}

} // namespace reports
