#include "LogPackingList.h"

namespace rules {

namespace {

MovementTables packingListTables(const QString &table)
{
    MovementTables t;
    t.lines = table;
    t.number = QStringLiteral("NF");
    t.party = QStringLiteral("CODEMPRESA");
    t.value = QStringLiteral("VLTOTAL");
    t.volume = QStringLiteral("TOTALM3");
    return t;
}

} // namespace

LogPackingList::LogPackingList(data::Connection *connection, const QString &table)
    : m_lines(connection, packingListTables(table))
{
}

} // namespace rules
