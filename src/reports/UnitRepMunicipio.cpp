#include "UnitRepMunicipio.h"

#include "RegisterListing.h"

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
    return {QStringLiteral("RepMunicipio"), QStringLiteral("Listagem dos municípios"), {},
            [](data::Connection &, const QVariantMap &) { return RepMunicipio(); }};
}

} // namespace reports
