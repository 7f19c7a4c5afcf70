#pragma once

#include <QStringList>

namespace data {

class Connection;

// Where the CNPJs with letters of the sawn-wood intake and output invoices
// are kept (sql/cnpj.sql): the header's number column CGC stays empty and
// the database keeps the counterpart's CNPJ in a table keyed like the header.
class AlphanumericCnpj
{
public:
    // The script as shipped, split into statements.
    static QStringList script();

    static bool isInstalled(Connection *connection);

    // A database made before these tables existed gets them and their
    // triggers. Does nothing when they are there; true when it installed.
    static bool ensureInstalled(Connection *connection);
};

} // namespace data
