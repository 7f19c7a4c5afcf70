#include "UnitRepProduto.h"

#include "RegisterListing.h"
#include "ReportParts.h"

namespace reports {

ReportDefinition RepProduto()
{
    const Qt::Alignment centre = Qt::AlignHCenter;
    return registerListing(QStringLiteral("RepProduto"), QStringLiteral("RELATÓRIO DE PRODUTOS"),
                           QStringLiteral("PRODUTO"), QStringLiteral("GRAUIND"), QStringLiteral("NOMEGRAU"),
                           {{0, 16, QStringLiteral("Código"), QStringLiteral("GRAUIND"), centre},
                            {18, 72, QStringLiteral("Produto"), QStringLiteral("NOMEGRAU")},
                            {92, 14, QStringLiteral("Unid."), QStringLiteral("UNIDADE"), centre},
                            {108, 22, QStringLiteral("Indice(%)"), QStringLiteral("FATOR"), centre,
                             QStringLiteral("###,#0.00")},
                            {132, 18, QStringLiteral("Fat.Exp."), QStringLiteral("FATOREXP"), centre},
                            {152, 38, QStringLiteral("Tipo do Produto"), QStringLiteral("TIPOPROD")}});
}

ReportEntry repProdutoEntry()
{
    return plainEntry(QStringLiteral("RepProduto"), QStringLiteral("Listagem dos produtos"), RepProduto);
}

} // namespace reports
