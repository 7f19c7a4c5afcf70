#include "FirebirdServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <arpa/inet.h>
#include <csignal>
#include <sys/prctl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char *const FirebirdLib = "/usr/lib/x86_64-linux-gnu/firebird/3.0";

QString libraryRoot()
{
    // The engine's plugins, messages and character sets, wherever the
    // architecture puts them.
    for (const QString &dir : {QString::fromLatin1(FirebirdLib),
                               QStringLiteral("/usr/lib/aarch64-linux-gnu/firebird/3.0"),
                               QStringLiteral("/usr/lib/firebird/3.0")})
        if (QFileInfo::exists(dir + QStringLiteral("/plugins")))
            return dir;
    return {};
}

int freeLoopbackPort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return 0;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0
        && ::getsockname(s, reinterpret_cast<sockaddr *>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    ::close(s);
    return port;
}

bool acceptsConnections(int port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return false;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(quint16(port));
    const bool ok = ::connect(s, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0;
    ::close(s);
    return ok;
}

} // namespace

QString FirebirdServer::serverProgram()
{
    for (const QString &p : {QStringLiteral("/usr/sbin/firebird"), QStringLiteral("/usr/sbin/fbserver")})
        if (QFileInfo(p).isExecutable())
            return p;
    return {};
}

FirebirdServer::FirebirdServer()
{
    const QString lib = libraryRoot();
    if (serverProgram().isEmpty() || lib.isEmpty()) {
        m_setupError = QStringLiteral("Firebird server not installed (Debian package firebird3.0-server; "
                                      "scripts/install-deps.sh installs it)");
        return;
    }
    m_port = freeLoopbackPort();
    const QDir root(m_root.path());
    root.mkpath(QStringLiteral("lock"));
    root.mkpath(QStringLiteral("tmp"));
    // Everything but the configuration is the installed engine's. The
    // installed configuration points at the system security database, which
    // only the service's own user may read.
    for (const char *name : {"plugins", "intl", "lib", "UDF", "firebird.msg", "plugins.conf", "fbtrace.conf",
                             "fbintl.conf"}) {
        const QString target = QDir(lib).filePath(QLatin1String(name));
        if (QFileInfo::exists(target))
            QFile::link(QFileInfo(target).canonicalFilePath(), root.filePath(QLatin1String(name)));
    }
    const QString security = root.filePath(QStringLiteral("security3.fdb"));
    writeConfiguration();
    QFile(root.filePath(QStringLiteral("databases.conf"))).open(QIODevice::WriteOnly);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), root.path());
    env.insert(QStringLiteral("FIREBIRD_LOCK"), root.filePath(QStringLiteral("lock")));
    env.insert(QStringLiteral("FIREBIRD_TMP"), root.filePath(QStringLiteral("tmp")));
    m_process.setProcessEnvironment(env);
    m_process.setWorkingDirectory(root.path());
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // A test that crashes or is killed by its watchdog takes its server along.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });

    // The security database, made by the embedded engine under this root.
    QProcess isql;
    isql.setProcessEnvironment(env);
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("SYSDBA")});
    isql.write(QStringLiteral("CREATE DATABASE '%1';\nCREATE USER SYSDBA PASSWORD 'lumbrpass';\nCOMMIT;\n")
                   .arg(security)
                   .toUtf8());
    isql.closeWriteChannel();
    if (!isql.waitForFinished(60000) || isql.exitCode() != 0 || !QFileInfo::exists(security))
        m_setupError = QStringLiteral("could not make the security database: ")
                       + QString::fromLocal8Bit(isql.readAll()) + isql.errorString();
}

void FirebirdServer::writeConfiguration()
{
    const QDir root(m_root.path());
    QFile conf(root.filePath(QStringLiteral("firebird.conf")));
    conf.open(QIODevice::WriteOnly);
    conf.write(QStringLiteral("RemoteServicePort = %1\n"
                              "RemoteBindAddress = 127.0.0.1\n"
                              "SecurityDatabase = %2\n"
                              "ServerMode = Super\n"
                              "UdfAccess = None\n")
                   .arg(m_port)
                   .arg(root.filePath(QStringLiteral("security3.fdb")))
                   .toUtf8());
}

FirebirdServer::~FirebirdServer()
{
    kill();
}

bool FirebirdServer::start(QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        kill();
        return false;
    };
    if (!m_setupError.isEmpty())
        return fail(m_setupError);
    if (isRunning())
        return true;
    // Tests run side by side: another one may take the free port between
    // its choice and the bind; the server then ends at once and gets
    // another port.
    for (int attempt = 0;; ++attempt) {
        m_process.start(serverProgram(), {});
        if (!m_process.waitForStarted(10000))
            return fail(QStringLiteral("server did not start: ") + m_process.errorString());
        const QDeadlineTimer deadline(20000);
        while (m_process.state() == QProcess::Running && !acceptsConnections(m_port)) {
            if (deadline.hasExpired())
                return fail(QStringLiteral("server is not listening on port %1 after 20 s: %2")
                                .arg(m_port)
                                .arg(QString::fromLocal8Bit(m_process.readAll())));
            QThread::msleep(50);
        }
        if (m_process.state() == QProcess::Running)
            return true;
        const QString output = QString::fromLocal8Bit(m_process.readAll());
        m_process.waitForFinished(1000);
        if (attempt == 2)
            return fail(QStringLiteral("server ended at start on port %1: %2").arg(m_port).arg(output));
        m_port = freeLoopbackPort();
        writeConfiguration();
    }
}

void FirebirdServer::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(10000);
}

bool FirebirdServer::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

QString FirebirdServer::databaseName(const QString &path) const
{
    return QStringLiteral("127.0.0.1/%1:%2").arg(m_port).arg(path);
}
