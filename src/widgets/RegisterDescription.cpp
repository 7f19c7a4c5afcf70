#include "RegisterDescription.h"

namespace widgets {

QStringList RegisterDescription::hintsFor(const QString &noun, bool feminine)
{
    const QString a = feminine ? QStringLiteral("a") : QStringLiteral("o");
    return {QStringLiteral("Primeir") + a + QLatin1Char(' ') + noun, noun + QStringLiteral(" Anterior"),
            QStringLiteral("Proxim") + a + QLatin1Char(' ') + noun, QStringLiteral("Ultim") + a + QLatin1Char(' ') + noun};
}

QVector<RegisterDescription::ButtonText> RegisterDescription::standardButtons(const QString &includeHint,
                                                                            const QString &deleteHint)
{
    return {{QStringLiteral("&Incluir"), includeHint},
            {QStringLiteral("&Cancelar"), QStringLiteral("Cancelar Cadastro")},
            {QStringLiteral("&Gravar"), QStringLiteral("Gravar Cadastro")},
            {QStringLiteral("E&xcluir"), deleteHint},
            {QStringLiteral("&Pesquisar"), QStringLiteral("Ir para Pesquisa")},
            {QStringLiteral("Ca&dastro"), QStringLiteral("Ir para Cadastro")},
            {QStringLiteral("&Retornar"), QStringLiteral("Retornar ao Menu Principal")}};
}

} // namespace widgets
