#pragma once

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

struct PackingListTotals
{
    double value = 0;  // sum of VLTOTAL
    double volume = 0; // sum of TOTALM3
    int rows = 0;
};

class LogPackingList
{
public:
    explicit LogPackingList(data::Connection *connection) : m_connection(connection) {}

    PackingListTotals totals(const PackingListKey &key) const;
    // Deletes every row of the list, all or nothing; returns how many.
    int remove(const PackingListKey &key);

private:
    data::Connection *m_connection;
};

} // namespace rules
