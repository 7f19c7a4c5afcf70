#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

class QSqlError;

namespace data {

class DataError;

// The program's one connection to its database. A plain path opens the file
// with the embedded engine; "host:path" goes to a database server. Every
// statement runs in its own short transaction that commits at once, so a
// crash never loses what was already posted.
class Connection : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *User = "SYSDBA";
    static constexpr const char *Password = "lumbrpass";

    explicit Connection(const QString &connectionName = QStringLiteral("IBDatabase1"),
                        QObject *parent = nullptr);
    ~Connection() override;

    void setDatabaseName(const QString &name);
    QString databaseName() const { return m_databaseName; }

    // Throws DataError with a Portuguese explanation followed by the database's text.
    void open();
    void close();
    bool isConnected() const;
    // Connects with the current name when disconnected; throws like open().
    // After a lost link this is what connects again, on the next access.
    void ensureConnected();

    // The error to raise for a failed statement: a unique-key refusal, a
    // lost link to the database (then the connection is closed, since the
    // driver would go on taking it as open and every later statement would
    // fail), or another error, each with the database's text.
    [[nodiscard]] DataError errorFrom(const QSqlError &error);

    QSqlDatabase database() const;

    // Recomputes the selectivity of every index. The engine keeps the figure
    // from when an index was made (an empty table), and plans on it; the
    // program refreshes it when it ends normally and after bulk loads.
    void refreshIndexStatistics();
    // The plan the engine chooses for a statement ("PLAN (T ORDER IDX)"),
    // to tell a page read through an index from a walk of a whole table.
    QString planOf(const QString &sql);
    QString connectionName() const { return m_connectionName; }

    // True when the name has no host part, i.e. the embedded engine opens it.
    static bool isLocalPath(const QString &name);

    // Gives the embedded engine a lock folder this user can write when the
    // shared one is not (Debian's server package makes /tmp/firebird its
    // service user's). Runs before the engine's first use; every connection
    // and database creation calls it.
    static void prepareEmbeddedEngine();

signals:
    void connectedChanged(bool connected);

private:
    // Asks the engine whether the attachment still answers.
    bool answers() const;

    QString m_connectionName;
    QString m_databaseName;
};

} // namespace data
