#include "ReportRun.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Table.h"
#include "data/UnitDM.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"
#include "widgets/ReportPreview.h"

#include <QSqlError>
#include <QSqlQuery>

namespace logs {

namespace {

// Whether the report's condition finds any row, asked of the database.
bool hasRows(data::Connection &connection, const reports::RowSource &source)
{
    QString sql = QStringLiteral("select first 1 1 from ") + source.table;
    if (!source.condition.trimmed().isEmpty())
        sql += QStringLiteral(" where ") + source.condition;
    QVariantList values;
    const QString text = data::bindNamed(sql, source.params, values);
    connection.ensureConnected();
    QSqlQuery q(connection.database());
    q.setForwardOnly(true);
    if (!q.prepare(text))
        throw data::DataError(q.lastError().text());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw data::DataError(q.lastError().text());
    return q.next();
}

} // namespace

bool runReport(data::TDM *dm, const QString &name, const QVariantMap &params, ReportOutput output, QWidget *parent)
{
    const reports::ReportEntry *entry = reports::findReport(name);
    if (!entry)
        throw reports::ReportError(QStringLiteral("Relatório %1 não encontrado.").arg(name));
    const reports::ReportDefinition def = entry->make(*dm->IBDatabase1, reports::checkParameters(*entry, params));
    if (!hasRows(*dm->IBDatabase1, def.data))
        return false;
    if (output == ReportOutput::Preview)
        widgets::previewReport(def, dm->IBDatabase1, parent);
    else
        widgets::printReport(def, dm->IBDatabase1, parent);
    return true;
}

} // namespace logs
