#include "UnitRepFornecedores.h"

#include "RegisterListing.h"
#include "ReportParts.h"

namespace reports {

ReportDefinition RepFornecedores()
{
    return registerListing(QStringLiteral("RepFornecedores"), QStringLiteral("RELATÓRIO DE FORNECEDORES"),
                           QStringLiteral("FORNECEDOR"), QStringLiteral("CODIGOFORNECEDOR"),
                           QStringLiteral("NOMEFORNECEDOR"),
                           {{0, 20, QStringLiteral("Código"), QStringLiteral("CODIGOFORNECEDOR"), Qt::AlignRight},
                            {25, 110, QStringLiteral("Creedor"), QStringLiteral("NOMEFORNECEDOR")},
                            {140, 40, QStringLiteral("Telefone"), QStringLiteral("FONE")}});
}

ReportEntry repFornecedoresEntry()
{
    return plainEntry(QStringLiteral("RepFornecedores"), QStringLiteral("Listagem dos fornecedores"), RepFornecedores);
}

} // namespace reports
