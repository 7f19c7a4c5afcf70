#include "ReportWindow.h"

#include "Prompter.h"
#include "ReportPreview.h"
#include "data/UnitDM.h"
#include "reports/ReportRegistry.h"

namespace widgets {

ReportWindow::ReportWindow(const QString &reportName, data::TDM *dm, QWidget *parent)
    : QWidget(parent), m_name(reportName), m_dm(dm)
{
    setObjectName(reportName);
    setWindowFlags(Qt::Window);
    hide();
}

bool ReportWindow::preview(const QVariantMap &params)
{
    reports::ReportDefinition def;
    if (!guarded(parentWidget(), [&] { def = reports::makeReport(m_name, *m_dm->IBDatabase1, params); }))
        return false;
    return previewReport(def, m_dm->IBDatabase1, parentWidget());
}

bool ReportWindow::print(const QVariantMap &params)
{
    reports::ReportDefinition def;
    if (!guarded(parentWidget(), [&] { def = reports::makeReport(m_name, *m_dm->IBDatabase1, params); }))
        return false;
    return printReport(def, m_dm->IBDatabase1, parentWidget());
}

} // namespace widgets
