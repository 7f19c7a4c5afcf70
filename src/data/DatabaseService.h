#pragma once

#include <QDate>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

namespace data {

// Where the database server's service manager is and how it names the
// database: the configured "host:path" (or "host/port:path") goes to that
// server's service manager with the path as the server sees it; a plain path
// goes to the embedded engine, in this process.
struct ServiceTarget
{
    QString serviceManager; // "service_mgr" or "host[/port]:service_mgr"
    QString host;           // empty for the embedded engine
    QString path;           // the database or file path as the engine sees it
    bool embedded() const { return host.isEmpty(); }

    static ServiceTarget of(const QString &databaseName);
};

// Backup and restore through the service manager of the engine, with its
// verbose output. Both calls block until the service ends, so a window runs
// them on a ServiceRun thread; every output line goes to the sink as it
// arrives (on the calling thread). Failures raise DataError with the
// server's own text.
//
// Neither leaves a half-written file: a backup is written beside its target
// and renamed onto it when complete; a restore is first made into a new
// database beside the target, so a refused or broken backup file leaves the
// target as it was.
class DatabaseService
{
public:
    using LineSink = std::function<void(const QString &line)>;

    // Options of the backup: ignore limbo transactions, machine format.
    static constexpr int BackupOptions = 0x02 | 0x20;
    // Options of the restore: replace, use all the space of each page.
    static constexpr int RestoreOptions = 0x1000 | 0x4000;
    static constexpr int RestorePageSize = 4096;
    static constexpr int RestoreBuffers = 3000;

    // databaseName and backupFile as configured (backupFile is a path the
    // engine writes, on the server's machine for a server).
    static void backup(const QString &databaseName, const QString &backupFile, const LineSink &sink);
    static void restore(const QString &backupFile, const QString &databaseName, const LineSink &sink);

    // FOLDER/ddmmyyyyquelvora.gbk for the given day.
    static QString backupFileName(const QString &folder, const QDate &day);
};

// Runs one service call on a thread of its own and hands its lines to the
// thread that made it (the window's), so the window keeps painting and its
// log grows line by line. Steps: count the lines that name a table of the
// database as they go by, which is what the progress bar shows.
class ServiceRun : public QObject
{
    Q_OBJECT
public:
    explicit ServiceRun(QObject *parent = nullptr);
    ~ServiceRun() override;

    // Starts JOB (a DatabaseService call taking the sink) on its thread.
    void start(std::function<void(const DatabaseService::LineSink &)> job);
    // Runs an event loop until the job ends; true when it succeeded.
    bool wait();
    bool isRunning() const { return m_running; }
    QString errorText() const { return m_error; }

    // How far a service is, from its output: the tables it has passed of
    // those it will pass. total is 0 until known.
    struct Progress
    {
        int done = 0;
        int total = 0;
        void feed(const QString &line);
    };

signals:
    void lineArrived(const QString &line);
    void progressChanged(int done, int total);
    void finished(bool ok);

private:
    class Worker;
    Worker *m_worker = nullptr;
    bool m_running = false;
    QString m_error;
    Progress m_progress;
};

} // namespace data
