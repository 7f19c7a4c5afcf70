#pragma once

#include "rules/MovementLines.h"

#include <QString>
#include <QVariant>

namespace data { class Connection; }

namespace rules {

// A log packing list is the set of ROMANEIO_TORO rows with one number (NF)
// and one client code (CODEMPRESA).
struct PackingListKey
{
    QVariant number;
    QVariant client;

    bool operator==(const PackingListKey &o) const
    {
        return number.toDouble() == o.number.toDouble() && client.toDouble() == o.client.toDouble();
    }
    bool operator!=(const PackingListKey &o) const { return !(*this == o); }
};

// VLTOTAL and TOTALM3 summed; `lines` counts the list's rows.
using PackingListTotals = InvoiceTotals;

class LogPackingList
{
public:
    explicit LogPackingList(data::Connection *connection) : LogPackingList(connection, QStringLiteral("ROMANEIO_TORO")) {}

    PackingListTotals totals(const PackingListKey &key) const { return m_lines.totals({key.number, key.client}); }
    // Deletes every row of the list, all or nothing; returns how many.
    int remove(const PackingListKey &key) { return m_lines.removeLines({key.number, key.client}); }
    // Whether the table holds no list at all.
    bool noneAtAll() const { return m_lines.noneAtAll(); }

protected:
    // A packing list of another table with the same key and amount columns.
    LogPackingList(data::Connection *connection, const QString &table);

private:
    MovementLines m_lines;
};

// The sawn-wood packing list: the ROMANEIO_SERRADA rows of one number and
// one client, with the same rules.
class SawnPackingList : public LogPackingList
{
public:
    explicit SawnPackingList(data::Connection *connection)
        : LogPackingList(connection, QStringLiteral("ROMANEIO_SERRADA")) {}
};

} // namespace rules
