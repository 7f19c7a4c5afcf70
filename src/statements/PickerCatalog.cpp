#include "PickerCatalog.h"

#include "data/UnitDM.h"
#include "widgets/Described.h"

static void initPickersResource() { Q_INIT_RESOURCE(pickers); }

widgets::PickerWindow::Setup describedPicker(const QString &objectName, data::TDM *dm)
{
    initPickersResource();
    widgets::PickerWindow::Setup s = widgets::PickerWindow::Setup::fromJson(
        widgets::describedIn(QStringLiteral(":/statements/pickers.json"), objectName), dm);
    s.objectName = objectName;
    return s;
}
