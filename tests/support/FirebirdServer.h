#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A Firebird server of the test's own, run as the test's user: its own root
// folder (configuration on a free loopback port, a security database whose
// SYSDBA password is the program's, lock and temporary folders), so it needs
// no system service and leaves any installed one alone.
class FirebirdServer
{
public:
    FirebirdServer();
    ~FirebirdServer();

    // Empty when the server can be started; otherwise why not.
    QString setupError() const { return m_setupError; }

    // Starts the server and waits until it accepts connections.
    bool start(QString *error = nullptr);
    // Ends it at once (SIGKILL), as a crash or power cut would.
    void kill();
    bool isRunning() const;

    int port() const { return m_port; }
    // The name the program is given for PATH on this server.
    QString databaseName(const QString &path) const;

    static QString serverProgram();

private:
    void writeConfiguration();

    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
    QString m_setupError;
};
