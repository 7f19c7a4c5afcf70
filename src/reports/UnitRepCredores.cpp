#include "UnitRepCredores.h"

#include "RegisterListing.h"
#include "ReportParts.h"

namespace reports {

ReportDefinition RepCredores()
{
    ReportDefinition def = registerListing(
        QStringLiteral("RepCredores"), QStringLiteral("RELATÓRIO DE CLIENTES"), QStringLiteral("CREDOR"),
        QStringLiteral("CODIGOCREDOR"), QStringLiteral("NOMECREDOR"),
        {{0, 20, QStringLiteral("Código"), QStringLiteral("CODIGOCREDOR"), Qt::AlignRight, QStringLiteral("000")},
         {25, 110, QStringLiteral("Creedor"), QStringLiteral("NOMECREDOR")},
         {140, 40, QStringLiteral("Telefone"), QStringLiteral("FONE")}});
    Group letter;
    letter.key = leftOf(QStringLiteral("NOMECREDOR"), 1);
    letter.header.height = 8;
    Element e = computed(0, 1, 20, 6.5,
                         [](const ReportContext &c) { return c.value(QStringLiteral("NOMECREDOR")).toString().left(1); },
                         Qt::AlignLeft, true);
    e.font.pointSize = 14;
    letter.header.add(e);
    def.groups = {letter};
    return def;
}

ReportEntry repCredoresEntry()
{
    return plainEntry(QStringLiteral("RepCredores"), QStringLiteral("Listagem dos clientes, por inicial"), RepCredores);
}

} // namespace reports
