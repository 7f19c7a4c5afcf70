#include "DataError.h"

namespace data {

DataError::Kind DataError::kindOfSqlCode(int sqlcode)
{
    // -803: duplicate in a unique index, primary key or unique constraint.
    // -913: another transaction committed a change to the same row first.
    switch (sqlcode) {
    case -803:
        return Kind::UniqueKey;
    case -913:
        return Kind::ChangedElsewhere;
    default:
        return Kind::Other;
    }
}

DataError DataError::changedElsewhere(Refused what, const QString &detail)
{
    QString text = what == Refused::Change
                       ? QStringLiteral("Registro alterado ou excluído por outra estação de trabalho depois de lido; "
                                        "a alteração não foi gravada.\n"
                                        "O que foi digitado continua na tela. Cancele para ver o registro como "
                                        "está gravado agora e refaça a alteração.")
                       : QStringLiteral("Registro alterado por outra estação de trabalho depois de lido; "
                                        "a exclusão não foi feita.\n"
                                        "A tela mostra agora o registro como está gravado.");
    if (!detail.isEmpty())
        text += QStringLiteral("\n\n") + detail;
    return DataError(text, Kind::ChangedElsewhere);
}

} // namespace data
