#include "RegisterCatalog.h"

#include "data/UnitDM.h"
#include "widgets/Described.h"

static void initRegistersResource() { Q_INIT_RESOURCE(registers); }

widgets::RegisterDescription describedRegister(const QString &objectName, data::TDM *dm)
{
    initRegistersResource();
    widgets::RegisterDescription d = widgets::RegisterDescription::fromJson(
        widgets::describedIn(QStringLiteral(":/registers/registers.json"), objectName), dm);
    d.objectName = objectName;
    return d;
}
