#include "UnitRepEssencia.h"

#include "RegisterListing.h"

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
    return {QStringLiteral("RepEssencia"), QStringLiteral("Listagem das essências"), {},
            [](data::Connection &, const QVariantMap &) { return RepEssencia(); }};
}

} // namespace reports
