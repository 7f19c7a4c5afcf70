#pragma once

#include <QString>
#include <QStringList>

namespace data {

class Connection;

// Creates new database files from the schema script kept with the program.
class DatabaseCreator
{
public:
    static constexpr const char *DefaultUser = "quelvora";

    // The schema script as shipped.
    static QString schemaScript();
    // Splits a script into statements, honouring SET TERM and "--" comments.
    static QStringList splitScript(const QString &script);
    // A script shipped beside the schema (":/sql/NAME"), split into statements;
    // MISSING is the message when the program lacks it.
    static QStringList shippedScript(const QString &name, const QString &missing);
    // Whether TABLE exists in the database.
    static bool tableExists(Connection *connection, const QString &table);
    // Runs each statement as written, each committing on its own (a definition
    // takes effect when committed; procedure bodies' ":NAME" are not bound).
    static void runAsWritten(Connection *connection, const QStringList &statements);

    // Creates PATH with the embedded engine, runs the schema and, when asked,
    // inserts the default user. Refuses an existing file; throws DataError.
    // The schema is written without waiting for the disk after each statement;
    // the finished file writes synchronously unless forcedWrites is false
    // (scratch databases of tests).
    static void create(const QString &path, bool withDefaultUser = true, bool forcedWrites = true);

    // Switches synchronous writes of an existing local database on or off.
    static void setForcedWrites(const QString &path, bool on);
};

} // namespace data
