#include "DatabaseService.h"

#include "Connection.h"
#include "DataError.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QThread>

#include <ibase.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace data {

namespace {

// The engine's text for a failed call, every message of the status vector.
QString statusText(const ISC_STATUS *status)
{
    QStringList parts;
    const ISC_STATUS *p = status;
    char buffer[1024];
    while (fb_interpret(buffer, sizeof buffer, &p) > 0)
        parts << QString::fromLocal8Bit(buffer);
    return parts.join(QLatin1Char('\n'));
}

bool failed(const ISC_STATUS *status)
{
    return status[0] == 1 && status[1] != 0;
}

// A parameter buffer of the service manager.
class Spb
{
public:
    void byte(char b) { m_data.push_back(b); }
    void string1(char tag, const QByteArray &s) // one-byte length (attach)
    {
        byte(tag);
        byte(char(s.size()));
        m_data.insert(m_data.end(), s.begin(), s.end());
    }
    void string2(char tag, const QByteArray &s) // two-byte length (start)
    {
        byte(tag);
        byte(char(s.size() & 0xff));
        byte(char((s.size() >> 8) & 0xff));
        m_data.insert(m_data.end(), s.begin(), s.end());
    }
    void int4(char tag, int v)
    {
        byte(tag);
        for (int i = 0; i < 4; ++i)
            byte(char((unsigned(v) >> (8 * i)) & 0xff));
    }
    const char *data() const { return m_data.data(); }
    unsigned short size() const { return static_cast<unsigned short>(m_data.size()); }

private:
    std::vector<char> m_data;
};

// One attachment to a service manager, detached however the work ends.
class ServiceAttachment
{
public:
    explicit ServiceAttachment(const ServiceTarget &target)
    {
        Connection::prepareEmbeddedEngine();
        Spb spb;
        spb.byte(isc_spb_version);
        spb.byte(isc_spb_current_version);
        spb.string1(isc_spb_user_name, QByteArray(Connection::User));
        spb.string1(isc_spb_password, QByteArray(Connection::Password));
        const QByteArray name = target.serviceManager.toLocal8Bit();
        ISC_STATUS_ARRAY status;
        if (isc_service_attach(status, 0, name.constData(), &m_handle, spb.size(), spb.data()))
            throw DataError(statusText(status), failed(status) && !target.embedded()
                                                     ? DataError::Kind::ConnectionLost
                                                     : DataError::Kind::Other);
    }
    ~ServiceAttachment()
    {
        ISC_STATUS_ARRAY status;
        if (m_handle)
            isc_service_detach(status, &m_handle);
    }
    ServiceAttachment(const ServiceAttachment &) = delete;
    ServiceAttachment &operator=(const ServiceAttachment &) = delete;

    void start(const Spb &request)
    {
        ISC_STATUS_ARRAY status;
        if (isc_service_start(status, &m_handle, nullptr, request.size(), request.data())) {
            const DataError error(statusText(status));
            waitForEnd();
            throw error;
        }
    }

    // Reads the verbose lines until the service ends. A failed service
    // reports its error on the query that follows its last line.
    void readLines(const DatabaseService::LineSink &sink, const QString &endMark)
    {
        bool ended = false;
        const char request[] = {isc_info_svc_line};
        std::vector<char> buffer(16 * 1024);
        QStringList errors;
        for (;;) {
            ISC_STATUS_ARRAY status;
            if (isc_service_query(status, &m_handle, nullptr, 0, nullptr, sizeof request, request,
                                  static_cast<unsigned short>(buffer.size()), buffer.data())) {
                const DataError error(statusText(status));
                waitForEnd();
                throw error;
            }
            const char *p = buffer.data();
            if (*p != isc_info_svc_line)
                throw DataError(QStringLiteral("Resposta inesperada do gerenciador de serviços."));
            ++p;
            const int length = int(isc_vax_integer(p, 2));
            p += 2;
            if (length == 0)
                break; // the end of the output
            const QString line = QString::fromUtf8(p, length).trimmed();
            // Some failures end the service normally and are told only in
            // its output (a truncated backup file, for one).
            if (line.startsWith(QLatin1String("ERROR:")) || line.startsWith(QLatin1String("gbak: ERROR:"))) {
                QString text = line.mid(line.indexOf(QLatin1String("ERROR:")) + 6);
                // Such a message may come without its line end, before the next line.
                const int next = text.indexOf(QLatin1String("gbak:"));
                errors << (next > 0 ? text.left(next) : text).trimmed();
            }
            if (line.contains(endMark))
                ended = true;
            if (sink)
                sink(line);
        }
        if (!errors.isEmpty())
            throw DataError(errors.join(QLatin1Char('\n')));
        // A backup file that ends too soon stops a restore without an error.
        if (!ended)
            throw DataError(QStringLiteral("O serviço terminou sem concluir o trabalho; o arquivo de backup "
                                           "está incompleto ou danificado."));
    }

private:
    // A failed service is still ending on the engine's thread when its
    // error arrives; detaching under it crashes the engine. Asks until the
    // service says it no longer runs.
    void waitForEnd()
    {
        const char request[] = {isc_info_svc_running};
        char buffer[64];
        for (int i = 0; i < 600; ++i) {
            ISC_STATUS_ARRAY status;
            if (isc_service_query(status, &m_handle, nullptr, 0, nullptr, sizeof request, request, sizeof buffer,
                                  buffer))
                return;
            if (buffer[0] != isc_info_svc_running || isc_vax_integer(buffer + 1, 4) == 0)
                return;
            QThread::msleep(10);
        }
    }

    isc_svc_handle m_handle = 0;
};

// A name beside PATH that is free now; same folder, so a rename is atomic.
QString besideName(const QString &path, const QString &tag)
{
    const QFileInfo fi(path);
    for (int i = 0;; ++i) {
        const QString candidate = fi.dir().filePath(QStringLiteral(".%1.%2%3").arg(fi.fileName(), tag,
                                                                               i ? QString::number(i) : QString()));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

void removeQuietly(const QString &path)
{
    QFile::remove(path);
}

// Replaces TARGET by SOURCE in one step (a rename within one folder).
void replaceFile(const QString &source, const QString &target)
{
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(strerror(errno));
        removeQuietly(source);
        throw DataError(QStringLiteral("Não foi possível substituir o arquivo %1: %2").arg(target, reason));
    }
}

void runBackup(const ServiceTarget &db, const QString &file, const DatabaseService::LineSink &sink)
{
    ServiceAttachment service(db);
    Spb request;
    request.byte(isc_action_svc_backup);
    request.string2(isc_spb_dbname, db.path.toLocal8Bit());
    request.string2(isc_spb_bkp_file, file.toLocal8Bit());
    request.byte(isc_spb_verbose);
    request.int4(isc_spb_options, DatabaseService::BackupOptions);
    service.start(request);
    service.readLines(sink, QStringLiteral("committing, and finishing"));
}

void runRestore(const ServiceTarget &db, const QString &file, const DatabaseService::LineSink &sink)
{
    ServiceAttachment service(db);
    Spb request;
    request.byte(isc_action_svc_restore);
    request.string2(isc_spb_bkp_file, file.toLocal8Bit());
    request.string2(isc_spb_dbname, db.path.toLocal8Bit());
    request.byte(isc_spb_verbose);
    request.int4(isc_spb_options, DatabaseService::RestoreOptions);
    request.int4(isc_spb_res_page_size, DatabaseService::RestorePageSize);
    request.int4(isc_spb_res_buffers, DatabaseService::RestoreBuffers);
    service.start(request);
    service.readLines(sink, QStringLiteral("finishing, closing, and going home"));
}

QString onServer(const ServiceTarget &server, const QString &path)
{
    return server.embedded() ? path : server.host + QLatin1Char(':') + path;
}

// Attaches to NAME as the program's user; STATUS says why when it fails.
bool attach(const QString &name, isc_db_handle *handle, ISC_STATUS *status)
{
    Spb dpb;
    dpb.byte(isc_dpb_version1);
    dpb.string1(isc_dpb_user_name, QByteArray(Connection::User));
    dpb.string1(isc_dpb_password, QByteArray(Connection::Password));
    const QByteArray n = name.toLocal8Bit();
    return isc_attach_database(status, 0, n.constData(), handle, dpb.size(), dpb.data()) == 0;
}

// Attaches to the database and drops it (a scratch copy on a server).
void dropDatabase(const QString &name)
{
    isc_db_handle handle = 0;
    ISC_STATUS_ARRAY status;
    if (attach(name, &handle, status))
        isc_drop_database(status, &handle);
}

// Refuses when another program has the embedded database open: its engine
// locks the file for one process.
void checkNotInUse(const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    isc_db_handle handle = 0;
    ISC_STATUS_ARRAY status;
    if (!attach(path, &handle, status)) {
        const QString text = statusText(status);
        // A file that is no database at all may be replaced.
        if (text.contains(QLatin1String("not a valid database"), Qt::CaseInsensitive)
            || text.contains(QLatin1String("unsupported on-disk structure"), Qt::CaseInsensitive))
            return;
        throw DataError(text);
    }
    isc_detach_database(status, &handle);
}

} // namespace

ServiceTarget ServiceTarget::of(const QString &databaseName)
{
    ServiceTarget t;
    const QString name = databaseName.trimmed();
    if (Connection::isLocalPath(name)) {
        t.serviceManager = QStringLiteral("service_mgr");
        t.path = QDir::cleanPath(QFileInfo(name).absoluteFilePath());
        return t;
    }
    const int colon = name.indexOf(QLatin1Char(':'));
    t.host = name.left(colon);
    t.path = name.mid(colon + 1);
    t.serviceManager = t.host + QStringLiteral(":service_mgr");
    return t;
}

QString DatabaseService::backupFileName(const QString &folder, const QDate &day)
{
    return folder + QLatin1Char('/') + day.toString(QStringLiteral("ddMMyyyy")) + QStringLiteral("quelvora.gbk");
}

void DatabaseService::backup(const QString &databaseName, const QString &backupFile, const LineSink &sink)
{
    const ServiceTarget db = ServiceTarget::of(databaseName);
    const QString target = db.embedded() ? QDir::cleanPath(QFileInfo(backupFile).absoluteFilePath()) : backupFile;
    // The engine writes the file; when it is one this program can see, the
    // backup goes beside it and takes its place only when complete.
    const bool visible = db.embedded() || QFileInfo(QFileInfo(target).absolutePath()).isWritable();
    const QString work = visible ? besideName(target, QStringLiteral("part")) : target;
    try {
        runBackup(db, work, sink);
    } catch (...) {
        if (visible)
            removeQuietly(work);
        throw;
    }
    if (visible)
        replaceFile(work, target);
}

void DatabaseService::restore(const QString &backupFile, const QString &databaseName, const LineSink &sink)
{
    const ServiceTarget db = ServiceTarget::of(databaseName);
    const QString file = db.embedded() ? QDir::cleanPath(QFileInfo(backupFile).absoluteFilePath()) : backupFile;
    if (db.embedded()) {
        // The engine in this process asks this process's standard input for
        // the next volume of a backup file that ends too soon; nothing must
        // answer, or wait for an answer.
        static const bool noInput = [] {
            const int fd = ::open("/dev/null", O_RDONLY);
            if (fd >= 0 && fd != 0) {
                ::dup2(fd, 0);
                ::close(fd);
            }
            return true;
        }();
        Q_UNUSED(noInput)
        // Restored beside the database, which is replaced only by a whole
        // restored copy.
        ServiceTarget scratch = db;
        scratch.path = besideName(db.path, QStringLiteral("restoring"));
        try {
            runRestore(scratch, file, sink);
        } catch (...) {
            removeQuietly(scratch.path);
            throw;
        }
        checkNotInUse(db.path);
        replaceFile(scratch.path, db.path);
        return;
    }
    // A server's files are out of reach: the backup is proved on a scratch
    // database beside the target first; the server itself then refuses to
    // replace a database that someone still uses.
    ServiceTarget scratch = db;
    scratch.path = db.path + QStringLiteral(".restoring");
    try {
        runRestore(scratch, file, [](const QString &) {});
    } catch (...) {
        dropDatabase(onServer(db, scratch.path));
        throw;
    }
    dropDatabase(onServer(db, scratch.path));
    runRestore(db, file, sink);
}

// ---------------------------------------------------------------------------

void ServiceRun::Progress::feed(const QString &line)
{
    // Both name every table before they move any data.
    if (done == 0 && (line.contains(QLatin1String("restoring table ")) || line.contains(QLatin1String("writing table "))))
        ++total;
    else if (line.contains(QLatin1String("data for table ")))
        ++done;
    if (done > total)
        total = done;
}

class ServiceRun::Worker : public QThread
{
public:
    std::function<void(const DatabaseService::LineSink &)> job;
    QPointer<ServiceRun> owner;
    QString error;
    bool ok = false;

protected:
    void run() override
    {
        try {
            job([this](const QString &line) {
                if (ServiceRun *o = owner)
                    QMetaObject::invokeMethod(o, [o, line] {
                        o->m_progress.feed(line);
                        emit o->lineArrived(line);
                        emit o->progressChanged(o->m_progress.done, o->m_progress.total);
                    }, Qt::QueuedConnection);
            });
            ok = true;
        } catch (const DataError &e) {
            error = e.message();
        } catch (const std::exception &e) {
            error = QString::fromLocal8Bit(e.what());
        }
    }
};

ServiceRun::ServiceRun(QObject *parent) : QObject(parent) {}

ServiceRun::~ServiceRun()
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

void ServiceRun::start(std::function<void(const DatabaseService::LineSink &)> job)
{
    if (m_running)
        return;
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
    m_error.clear();
    m_progress = {};
    m_worker = new Worker;
    m_worker->job = std::move(job);
    m_worker->owner = this;
    m_running = true;
    connect(m_worker, &QThread::finished, this, [this] {
        // The lines sent before the end are queued ahead of this.
        m_running = false;
        m_error = m_worker->error;
        emit finished(m_worker->ok);
    }, Qt::QueuedConnection);
    m_worker->start();
}

bool ServiceRun::wait()
{
    if (m_running) {
        QEventLoop loop;
        connect(this, &ServiceRun::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return m_worker && m_worker->ok;
}

} // namespace data
