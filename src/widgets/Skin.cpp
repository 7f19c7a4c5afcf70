#include "Skin.h"

#include "KeyNavigation.h"
#include "core/BancoRecord.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

static void initSkinResources() { Q_INIT_RESOURCE(skins); }

namespace widgets {

Skin &Skin::instance()
{
    static Skin s;
    initSkinResources();
    return s;
}

QString Skin::builtInStyleSheet()
{
    initSkinResources();
    QFile f(QStringLiteral(":/widgets/skins/default.qss"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void Skin::apply(const QString &styleSheet)
{
    if (auto *a = qobject_cast<QApplication *>(QCoreApplication::instance()))
        a->setStyleSheet(styleSheet + QLatin1Char('\n') + balloonHintStyleSheet());
}

void Skin::applyBuiltIn()
{
    apply(builtInStyleSheet());
}

void Skin::setFileName(const QString &file)
{
    m_fileName = file;
    if (file.isEmpty())
        return;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return; // a missing or unreadable skin is not reported
    apply(QString::fromUtf8(f.readAll()));
}

void Skin::applyStoredSkin()
{
    auto settings = core::openUserSettings();
    setFileName(core::readSkinPath(*settings));
}

QStringList Skin::shippedSkinNames()
{
    initSkinResources();
    return QDir(QStringLiteral(":/widgets/skins")).entryList({QStringLiteral("*.skn")}, QDir::Files, QDir::Name);
}

bool Skin::installShippedSkins(const QString &folder)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return false;
    if (!dir.entryList({QStringLiteral("*.skn")}, QDir::Files).isEmpty())
        return true;
    bool ok = true;
    for (const QString &name : shippedSkinNames()) {
        const QString target = dir.filePath(name);
        ok = QFile::copy(QStringLiteral(":/widgets/skins/") + name, target) && ok;
        // Resource copies are read-only; the user may edit his skins.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return ok;
}

} // namespace widgets
