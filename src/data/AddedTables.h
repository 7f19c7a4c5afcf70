#pragma once

#include <QStringList>

namespace data {

class Connection;

// Tables added to the schema after the first release (sql/additions.sql).
// The tables of the first release keep their columns; new data lives here.
class AddedTables
{
public:
    // The script as shipped, split into statements.
    static QStringList script();

    // Creates each table of the script the database lacks, committing each
    // one. Returns how many it created.
    static int ensureInstalled(Connection *connection);
};

} // namespace data
