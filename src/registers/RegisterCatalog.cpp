#include "RegisterCatalog.h"

#include "data/UnitDM.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

static void initRegistersResource() { Q_INIT_RESOURCE(registers); }

widgets::RegisterDescription describedRegister(const QString &objectName, data::TDM *dm)
{
    // Read once: every register of the run is described in the one file.
    static const QJsonObject all = [] {
        initRegistersResource();
        QFile f(QStringLiteral(":/registers/registers.json"));
        const bool opened = f.open(QIODevice::ReadOnly);
        Q_ASSERT_X(opened, "describedRegister", "registers.json");
        return opened ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
    }();
    Q_ASSERT_X(all.contains(objectName), "describedRegister", qPrintable(objectName));
    widgets::RegisterDescription d = widgets::RegisterDescription::fromJson(all.value(objectName).toObject(), dm);
    d.objectName = objectName;
    return d;
}
