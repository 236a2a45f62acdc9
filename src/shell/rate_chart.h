// The two plots of the compare tab, drawn into a QChart from the series of
// rate_series.h: log10 k against 1000/T for one reaction, one curve per
// file that holds it ("A: NAME", "B: NAME"), and k(B)/k(A) against T on a
// logarithmic axis, one curve per reaction named by its equation. Axis
// titles give the units (k in mol, cm and s for the reaction's order; T in
// K); the chart's title names the reaction or the choice, and the unit of
// Ea the files were read in. Also writes a chart view to a PNG or SVG file.
// The same code draws the window's plots and the command line's (through
// kestrelon-gui on the offscreen platform). Nothing here throws beyond
// std::bad_alloc.
#ifndef KESTRELON_SHELL_RATE_CHART_H_
#define KESTRELON_SHELL_RATE_CHART_H_

#include <QString>
#include <cstddef>
#include <vector>

#include "compare/difference_rows.h"

class QChart;
class QChartView;

namespace kestrelon {

struct ChartContext {
  OutUnit unit = OutUnit::kCalorie;
  bool unit_from_names = false;
  QString name_a;  // the files' names, for the curves
  QString name_b;
  TemperatureRange range;
};

// Replaces what `chart` shows by the k(T) curves of `row`.
void DrawRateChart(QChart& chart, const DifferenceRow& row,
                   const ChartContext& context);

// Replaces what `chart` shows by the ratio curves of rows[i] for each i of
// `chosen` (rows without both sides are skipped), titled `title`.
void DrawRatioChart(QChart& chart, const std::vector<DifferenceRow>& rows,
                    const std::vector<size_t>& chosen, const QString& title,
                    const ChartContext& context);

// Empties `chart`, leaving `title` as its only text.
void ClearChart(QChart& chart, const QString& title);

// The ratio chart's title for `count` curves: chosen as the largest spread,
// or selected in the table.
QString RatioTitle(size_t count, bool selected, const ChartContext& context);

// Draws `view` at its size into `path`: SVG when the name ends in ".svg"
// (any case), PNG otherwise. On failure returns false and says why in
// `error`.
bool SaveChartImage(QChartView& view, const QString& path, QString* error);

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_RATE_CHART_H_
