// The plot of the compare tab for two thermo files, drawn into a QChart
// from the series of thermo_series.h: Cp/R against T over the context's
// range for one species, one curve per file that holds it ("A: NAME",
// "B: NAME"), titled by the species. Nothing here throws beyond
// std::bad_alloc.
#ifndef KESTRELON_SHELL_THERMO_CHART_H_
#define KESTRELON_SHELL_THERMO_CHART_H_

#include <QString>

#include "check/nasa7.h"
#include "shell/rate_chart.h"

class QChart;

namespace kestrelon {

// Replaces what `chart` shows by the Cp/R curves of `a` and `b` (either may
// be null: that file has no such species).
void DrawCpChart(QChart& chart, const QString& species, const ThermoEntry* a,
                 const ThermoEntry* b, const ChartContext& context);

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_THERMO_CHART_H_
