#pragma once

#include <QStringList>

namespace data {

class Connection;

// The plain (not unique) indexes of the shipped schema. A database made by an
// earlier version lacks the ones added since; they are created when it is
// opened, so its grids read a page as fast as a new database's.
class SchemaIndexes
{
public:
    // "CREATE [DESCENDING] INDEX" statements of the schema, by index name.
    static QList<QPair<QString, QString>> definitions();

    // Names of the schema's plain indexes the database does not have.
    static QStringList missing(Connection *connection);

    // Creates the missing ones in one transaction (SchemaUpgrade); returns
    // their names. A unique index is never added this way: the rows stored may
    // break it, and only whoever fixes them can decide which to keep.
    static QStringList ensureInstalled(Connection *connection);
};

} // namespace data
