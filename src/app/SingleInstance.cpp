#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace app {

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::~SingleInstance()
{
    release();
}

QString SingleInstance::name()
{
    return QStringLiteral("one_instance_0-%1").arg(::getuid());
}

bool SingleInstance::acquire(int waitMs)
{
    const QString lockPath = QDir(QDir::tempPath()).filePath(name() + QStringLiteral(".lock"));
    m_lock = std::make_unique<QLockFile>(lockPath);
    // A lock left by a copy that died is taken over at once.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(waitMs)) {
        m_lock.reset();
        notifyPrimary();
        return false;
    }
    m_primary = true;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name()); // left behind by a copy that died
    m_server->listen(name());
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            emit raiseRequested();
        }
    });
    return true;
}

void SingleInstance::notifyPrimary()
{
    QLocalSocket socket;
    socket.connectToServer(name());
    if (socket.waitForConnected(2000)) {
        socket.write("raise\n");
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
    }
}

void SingleInstance::release()
{
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_lock) {
        m_lock->unlock();
        m_lock.reset();
    }
    m_primary = false;
}

} // namespace app
