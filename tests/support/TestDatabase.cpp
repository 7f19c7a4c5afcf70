#include "TestDatabase.h"

#include "data/DatabaseCreator.h"

#include <QDir>
#include <QStandardPaths>

#include <cstdlib>

TestDatabase::TestDatabase(bool withDefaultUser)
{
    m_path = QDir(m_dir.path()).filePath(QStringLiteral("TESTE.FDB"));
    data::DatabaseCreator::create(m_path, withDefaultUser);
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
