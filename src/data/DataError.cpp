#include "DataError.h"

namespace data {

DataError::Kind DataError::kindOfSqlCode(int sqlcode)
{
    // -803: duplicate in a unique index, primary key or unique constraint.
    return sqlcode == -803 ? Kind::UniqueKey : Kind::Other;
}

} // namespace data
