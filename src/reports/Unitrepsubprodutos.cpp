#include "Unitrepsubprodutos.h"

#include "RegisterListing.h"

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
    return {QStringLiteral("Repsubproduto"), QStringLiteral("Listagem dos sub-produtos"), {},
            [](data::Connection &, const QVariantMap &) { return Repsubproduto(); }};
}

} // namespace reports
