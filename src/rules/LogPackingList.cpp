#include "LogPackingList.h"

namespace rules {

namespace {

MovementTables packingListTables(const QString &table)
{
    return {table, QStringLiteral("NF"), QStringLiteral("CODEMPRESA"), QStringLiteral("VLTOTAL"), QStringLiteral("TOTALM3")};
}

} // namespace

LogPackingList::LogPackingList(data::Connection *connection, const QString &table)
    : m_lines(connection, packingListTables(table))
{
}

} // namespace rules
