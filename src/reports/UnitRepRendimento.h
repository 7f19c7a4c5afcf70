#pragma once

#include "BarChart.h"
#include "ReportRegistry.h"

namespace reports {

// The species' yield of a period for the chart under the report.
struct SpeciesYield
{
    QString species;
    double logs = 0;
    double sawn = 0;
};

// The sawing yield of a period (INICIO to FIM) by species and product: the
// log volume sawn, the sawn volume obtained, the yield in percent and, for
// each species, whether it is above or below the coefficient (percent) with
// the difference in m3; a bar chart of the species closes it.
ReportDefinition RepRendimento(const QVariantMap &params, double coefficient, const QVector<SpeciesYield> &species);
ReportEntry repRendimentoEntry();

// The chart of the species' yields against the coefficient, as the window
// and the report show it.
BarChart yieldChart(const QVector<SpeciesYield> &species, double coefficient);

} // namespace reports
