#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

namespace data {

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
    void ensureConnected();

    QSqlDatabase database() const;

    // Recomputes the selectivity of every index. The engine keeps the figure
    // from when an index was made (an empty table), and plans on it; the
    // program refreshes it when it ends normally and after bulk loads.
    void refreshIndexStatistics();
    QString connectionName() const { return m_connectionName; }

    // True when the name has no host part, i.e. the embedded engine opens it.
    static bool isLocalPath(const QString &name);

signals:
    void connectedChanged(bool connected);

private:
    QString m_connectionName;
    QString m_databaseName;
};

} // namespace data
