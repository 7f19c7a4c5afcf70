#pragma once

#include <QString>
#include <QStringList>

namespace data {

class Connection;

// The summary tables that keep the yard log stock and the sawn-wood balance
// (sql/stock.sql): triggers add a row of difference for every movement
// write, in its transaction, and fold() merges them from time to time.
class StockSummary
{
public:
    // True when the database has the summary tables.
    static bool isInstalled(Connection *connection);

    // A database made before the summaries existed (or lacking a piece of
    // them) gets what it lacks, then the figures computed once from the
    // movements (SchemaUpgrade). Returns true when anything was added.
    static bool ensureInstalled(Connection *connection);

    // Empties the summaries and computes them again from the movements, in
    // one transaction.
    static void rebuild(Connection *connection);

    // Merges each key's rows into one, in one transaction. Another
    // workstation folding at the same moment makes this one fail with the
    // database's conflict; nothing is lost, the next fold finishes the work.
    static void fold(Connection *connection);

    // fold() as housekeeping: a fold that fails changes nothing and the
    // next one does the work, so failure is only reported by the result.
    static bool tryFold(Connection *connection) noexcept;
};

} // namespace data
