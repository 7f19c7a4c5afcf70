#include "Described.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>

namespace widgets {

QJsonObject describedIn(const QString &file, const QString &name)
{
    // Windows are made on the GUI thread only.
    static QHash<QString, QJsonObject> files;
    auto it = files.find(file);
    if (it == files.end()) {
        QFile f(file);
        const bool opened = f.open(QIODevice::ReadOnly);
        Q_ASSERT_X(opened, "describedIn", qPrintable(file));
        it = files.insert(file, opened ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject());
    }
    Q_ASSERT_X(it->contains(name), "describedIn", qPrintable(name));
    return it->value(name).toObject();
}

} // namespace widgets
