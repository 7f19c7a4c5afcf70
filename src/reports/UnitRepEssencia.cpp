#include "UnitRepEssencia.h"

#include "RegisterListing.h"
#include "ReportParts.h"

namespace reports {

ReportDefinition RepEssencia()
{
    return registerListing(QStringLiteral("RepEssencia"), QStringLiteral("RELATÓRIO DE ESSÊNCIA"),
                           QStringLiteral("ESSENCIA"), QStringLiteral("CODIGO"), QStringLiteral("ESSENCIA"),
                           {{0, 20, QStringLiteral("Código"), QStringLiteral("CODIGO"), Qt::AlignRight},
                            {25, 120, QStringLiteral("Essência"), QStringLiteral("ESSENCIA")}});
}

ReportEntry repEssenciaEntry()
{
    return plainEntry(QStringLiteral("RepEssencia"), QStringLiteral("Listagem das essências"), RepEssencia);
}

} // namespace reports
