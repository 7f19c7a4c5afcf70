#include "TestDatabase.h"

#include "data/DatabaseCreator.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstdlib>

// One schema per test process, copied for each test: creating is the slow part.
static QString templateDatabase(bool withDefaultUser)
{
    static QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(withDefaultUser ? QStringLiteral("MODELO_USUARIO.FDB")
                                                                    : QStringLiteral("MODELO.FDB"));
    if (!QFile::exists(path))
        data::DatabaseCreator::create(path, withDefaultUser, false);
    return path;
}

TestDatabase::TestDatabase(bool withDefaultUser)
{
    m_path = QDir(m_dir.path()).filePath(QStringLiteral("TESTE.FDB"));
    QFile::copy(templateDatabase(withDefaultUser), m_path);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
}

void isolateTestEnvironment()
{
    static QTemporaryDir scratch;
    const QByteArray root = QDir(scratch.path()).filePath(QStringLiteral("home")).toLocal8Bit();
    const QByteArray config = QDir(scratch.path()).filePath(QStringLiteral("config")).toLocal8Bit();
    QDir().mkpath(QString::fromLocal8Bit(root));
    QDir().mkpath(QString::fromLocal8Bit(config));
    setenv("QUELVORA_HOME", root.constData(), 1);
    setenv("XDG_CONFIG_HOME", config.constData(), 1);
    QStandardPaths::setTestModeEnabled(true);
}
