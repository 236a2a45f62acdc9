#include "shell/thermo_chart.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "check/thermo_series.h"
#include "compare/difference_rows.h"

namespace kestrelon {
namespace {

QValueAxis* NewAxis(const QString& title, double low, double high,
                    const char* format) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setRange(low, high);
  axis->setLabelFormat(QString::fromLatin1(format));
  return axis;
}

}  // namespace

void DrawCpChart(QChart& chart, const QString& species, const ThermoEntry* a,
                 const ThermoEntry* b, const ChartContext& context) {
  ClearChart(chart, QString());
  double low = INFINITY;
  double high = -INFINITY;
  auto add = [&](const ThermoEntry* entry, const QString& name) {
    if (entry == nullptr) return;
    auto* curve = new QLineSeries;
    curve->setName(name);
    for (const SeriesPoint& p : CpSeries(*entry, context.range.low,
                                         context.range.high, kCurvePoints)) {
      curve->append(p.t, p.value);
      low = std::min(low, p.value);
      high = std::max(high, p.value);
    }
    chart.addSeries(curve);
    // As wide as the k(T) curves, over the one-pixel grid.
    QPen pen = curve->pen();
    pen.setWidthF(2.5);
    curve->setPen(pen);
  };
  add(a, QStringLiteral("A: ") + context.name_a);
  add(b, QStringLiteral("B: ") + context.name_b);
  if (!(low <= high)) {
    low = 0;
    high = 1;
  }
  // A flat curve (a monatomic gas) still gets an axis a unit high.
  const double pad = std::max((high - low) * 0.05, 0.5 * (high == low));
  QValueAxis* x = NewAxis(QStringLiteral("T (K)"), context.range.low,
                          context.range.high, "%.0f");
  QValueAxis* y = NewAxis(QStringLiteral("Cp/R (Cp over the gas constant R)"),
                          low - pad, high + pad, "%.3g");
  chart.addAxis(x, Qt::AlignBottom);
  chart.addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* s : chart.series()) {
    s->attachAxis(x);
    s->attachAxis(y);
  }
  chart.setTitle(QStringLiteral("Cp/R of ") + species.toHtmlEscaped());
}

}  // namespace kestrelon
