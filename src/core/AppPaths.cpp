#include "core/AppPaths.h"

#include <QDir>
#include <QFileInfo>

namespace core {

QString appRoot()
{
    const QString home = qEnvironmentVariable("QUELVORA_HOME");
    const QString root = home.isEmpty()
        ? QDir::home().filePath(QStringLiteral("Tarvic-Software/Quelvora"))
        : home;
    return QDir::cleanPath(QFileInfo(root).absoluteFilePath());
}

QString skinDir()
{
    return appRoot() + QStringLiteral("/Skin");
}

QString databaseDir()
{
    return appRoot() + QStringLiteral("/BancoDados");
}

QString backupDir()
{
    return appRoot() + QStringLiteral("/BackupBanco");
}

QString defaultDatabasePath()
{
    return databaseDir() + QStringLiteral("/DIZADAVAZI.GDB");
}

bool ensureAppFolders()
{
    QDir dir;
    return dir.mkpath(skinDir()) && dir.mkpath(databaseDir()) && dir.mkpath(backupDir());
}

} // namespace core
