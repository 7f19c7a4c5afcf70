#include "Skin.h"

#include "core/BancoRecord.h"
#include "widgets/KeyNavigation.h"

#include <QApplication>
#include <QFile>
#include <QSettings>

namespace app {

Skin &Skin::instance()
{
    static Skin s;
    return s;
}

QString Skin::builtInStyleSheet()
{
    QFile f(QStringLiteral(":/app/skins/default.qss"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void Skin::apply(const QString &styleSheet)
{
    if (auto *a = qobject_cast<QApplication *>(QCoreApplication::instance()))
        a->setStyleSheet(styleSheet + QLatin1Char('\n') + widgets::balloonHintStyleSheet());
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

} // namespace app
