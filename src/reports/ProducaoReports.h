#pragma once

#include "ReportDefinition.h"
#include "ReportRegistry.h"

#include <QDate>

// What the production reports share: the period of INICIO to FIM, both
// days whole, and the order ORDEM among the columns a report allows.
namespace reports {

struct Period
{
    QDate from, to;
};

// INICIO and FIM of PARAMS.
Period periodOf(const QVariantMap &params);

// DATE_COLUMN within the period, bound as dates.
void periodCondition(RowSource &source, const QString &dateColumn, const Period &period);

// The "Período Inicial..:" and "Período Final....:" heading lines, from
// Y millimetres under the title.
void periodHeading(QVector<Element> &extra, double y, const Period &period);

// ORDEM of PARAMS in upper case, or the first of ALLOWED when not given;
// throws ReportError naming REPORT when it is not one of them.
QString orderOf(const QString &report, const QVariantMap &params, const QStringList &allowed);

// INICIO, FIM and ORDEM, for the catalog; ORDERS describes the choices.
QVector<ReportParameter> productionPeriodParameters(const QString &orders);

} // namespace reports
