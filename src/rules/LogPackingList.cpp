#include "LogPackingList.h"

#include "data/Statement.h"
#include "data/Transaction.h"

namespace rules {

namespace {

QVariantMap params(const PackingListKey &key)
{
    return {{QStringLiteral("nf"), key.number}, {QStringLiteral("empresa"), key.client}};
}

} // namespace

PackingListTotals LogPackingList::totals(const PackingListKey &key) const
{
    const QVariantList row = data::firstRow(
        m_connection,
        QStringLiteral("select sum(VLTOTAL), sum(TOTALM3), count(*) from %1 "
                       "where NF = :nf and CODEMPRESA = :empresa").arg(m_table),
        params(key));
    PackingListTotals t;
    if (row.size() == 3) {
        t.value = row[0].toDouble();
        t.volume = row[1].toDouble();
        t.rows = row[2].toInt();
    }
    return t;
}

int LogPackingList::remove(const PackingListKey &key)
{
    data::Transaction work(m_connection);
    const int n = data::execute(m_connection,
                                QStringLiteral("delete from %1 where NF = :nf and CODEMPRESA = :empresa").arg(m_table),
                                params(key));
    work.commit();
    return n;
}

bool LogPackingList::noneAtAll() const
{
    return data::firstRow(m_connection, QStringLiteral("select first 1 1 from %1").arg(m_table)).isEmpty();
}

} // namespace rules
