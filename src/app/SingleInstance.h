#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace app {

// One running copy per user. The first copy holds a lock file and listens
// on a local socket named after "one_instance_0"; a later copy finds the
// lock taken, asks the first copy to come to the front and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // "one_instance_0" scoped with the user, so two users of one machine
    // each get their own copy.
    static QString name();

    // True when this copy is the first (and now holds the guard). WAIT_MS > 0
    // waits that long for an ending copy to let go (a relaunch) before
    // giving up; a copy that still holds it is then asked to come forward.
    bool acquire(int waitMs = 0);
    bool isPrimary() const { return m_primary; }

    // Lets go of the guard at once (before a relaunch).
    void release();

signals:
    // Another copy was started: bring the main window forward.
    void raiseRequested();

private:
    void notifyPrimary();

    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    bool m_primary = false;
};

} // namespace app
