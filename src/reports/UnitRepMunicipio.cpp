#include "UnitRepMunicipio.h"

#include "RegisterListing.h"
#include "ReportParts.h"

namespace reports {

ReportDefinition RepMunicipio()
{
    return registerListing(QStringLiteral("RepMunicipio"), QStringLiteral("RELATÓRIO DE MUNICÍPIOS"),
                           QStringLiteral("MUNICIPIO"), QStringLiteral("COD_MUNIC"), QStringLiteral("NOM_MUNIC"),
                           {{0, 20, QStringLiteral("Código"), QStringLiteral("COD_MUNIC"), Qt::AlignRight},
                            {25, 110, QStringLiteral("Município"), QStringLiteral("NOM_MUNIC")},
                            {140, 12, QStringLiteral("UF"), QStringLiteral("SIG_UF")}});
}

ReportEntry repMunicipioEntry()
{
    return plainEntry(QStringLiteral("RepMunicipio"), QStringLiteral("Listagem dos municípios"), RepMunicipio);
}

} // namespace reports
