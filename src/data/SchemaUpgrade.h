#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

namespace data {

class Connection;

// What a database made by an earlier version lacks, added when it is opened:
// the stock summaries (sql/stock.sql), the tables added since the first
// release (sql/additions.sql), the plain indexes of the schema and the
// tables of CNPJs with letters (sql/cnpj.sql). The catalog is asked once;
// each definition whose object is absent is run, a step at a time.
class SchemaUpgrade
{
public:
    enum Step { Stock, AddedTables, Indexes, AlphanumericCnpj };

    // The user objects the database holds, as "KIND:NAME" (TABLE, TRIGGER,
    // INDEX, PROCEDURE, SEQUENCE), read in one query.
    static QSet<QString> catalog(Connection *connection);

    // One step's part that is missing: the objects and their definitions,
    // in the order of the script.
    struct Missing
    {
        Step step;
        QStringList objects;
        QStringList statements;
    };
    // The missing part of each of STEPS (all when empty), against CATALOG.
    static QVector<Missing> missing(const QSet<QString> &catalog, const QVector<Step> &steps = {});

    // Runs one step's definitions in one transaction; the stock summaries
    // are then computed from the movements in another. Throws DataError with
    // the database's text; a failed step leaves nothing of itself behind.
    static void apply(Connection *connection, const Missing &part);

    // Asks the catalog and applies each missing part of STEPS (all when
    // empty); returns the names of the objects made.
    static QStringList ensureInstalled(Connection *connection, const QVector<Step> &steps = {});

    // Each step's statements as shipped.
    static QStringList script(Step step);

    // "TABLE:NAME" for a CREATE statement; empty for anything else.
    static QString objectOf(const QString &statement);
};

} // namespace data
