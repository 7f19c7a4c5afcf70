#include "AlphanumericCnpj.h"

#include "Connection.h"
#include "DatabaseCreator.h"


namespace data {

QStringList AlphanumericCnpj::script()
{
    return DatabaseCreator::shippedScript(QStringLiteral("cnpj.sql"),
                                          QStringLiteral("O script dos CNPJ alfanuméricos não foi encontrado no programa."));
}

bool AlphanumericCnpj::isInstalled(Connection *connection)
{
    return DatabaseCreator::tableExists(connection, QStringLiteral("SAIDA_MADEIRAS_CNPJ"));
}

bool AlphanumericCnpj::ensureInstalled(Connection *connection)
{
    if (isInstalled(connection))
        return false;
    DatabaseCreator::runAsWritten(connection, script());
    return true;
}

} // namespace data
