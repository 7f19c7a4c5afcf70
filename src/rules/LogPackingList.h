#pragma once

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

struct PackingListTotals
{
    double value = 0;  // sum of VLTOTAL
    double volume = 0; // sum of TOTALM3
    int rows = 0;
};

class LogPackingList
{
public:
    explicit LogPackingList(data::Connection *connection)
        : m_connection(connection), m_table(QStringLiteral("ROMANEIO_TORO")) {}

    PackingListTotals totals(const PackingListKey &key) const;
    // Deletes every row of the list, all or nothing; returns how many.
    int remove(const PackingListKey &key);
    // Whether the table holds no list at all.
    bool noneAtAll() const;

protected:
    // A packing list of another table with the same key and amount columns.
    LogPackingList(data::Connection *connection, const QString &table) : m_connection(connection), m_table(table) {}

private:
    data::Connection *m_connection;
    QString m_table;
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
