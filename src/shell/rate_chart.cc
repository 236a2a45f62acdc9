#include "shell/rate_chart.h"

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace kestrelon {
namespace {

QString EaNote(const ChartContext& c) {
  return QStringLiteral("Ea in %1%2")
      .arg(QString::fromUtf8(UnitName(c.unit)),
           c.unit_from_names ? QStringLiteral(", from the file names")
                             : QStringLiteral(", assumed"));
}

void RemoveAll(QChart& chart) {
  chart.removeAllSeries();
  for (QAbstractAxis* axis : chart.axes()) {
    chart.removeAxis(axis);
    delete axis;
  }
}

// Legends and titles read rich text, where "<=>" would be a tag.
QString Plain(const std::string& text) {
  return QString::fromStdString(text).toHtmlEscaped();
}

QLineSeries* NewCurve(const QString& name) {
  auto* series = new QLineSeries;
  series->setName(name);
  return series;
}

// Once in the chart, a curve has its theme colour. The theme has five;
// twenty curves need ten colours, solid then dashed. Curves are drawn
// wider than the one-pixel grid, which also tells them apart in an SVG.
void AddCurve(QChart& chart, QLineSeries* curve) {
  static const QRgb kColours[] = {0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728,
                                  0x9467bd, 0x8c564b, 0xe377c2, 0x7f7f7f,
                                  0xbcbd22, 0x17becf};
  const qsizetype index = chart.series().size();
  chart.addSeries(curve);
  QPen pen = curve->pen();
  pen.setWidthF(2.5);
  pen.setColor(QColor(kColours[index % 10]));
  if (index % 20 >= 10) pen.setStyle(Qt::DashLine);
  curve->setPen(pen);
}

QValueAxis* NewValueAxis(const QString& title, double low, double high) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setRange(low, high);
  axis->setLabelFormat(QStringLiteral("%.3g"));
  return axis;
}

void Attach(QChart& chart, QAbstractAxis* x, QAbstractAxis* y) {
  chart.addAxis(x, Qt::AlignBottom);
  chart.addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* s : chart.series()) {
    s->attachAxis(x);
    s->attachAxis(y);
  }
}

}  // namespace

void ClearChart(QChart& chart, const QString& title) {
  RemoveAll(chart);
  chart.setTitle(title);
}

void DrawRateChart(QChart& chart, const DifferenceRow& row,
                   const ChartContext& context) {
  RemoveAll(chart);
  const std::vector<double> grid =
      InverseTemperatureGrid(context.range, kCurvePoints);
  double low = INFINITY;
  double high = -INFINITY;
  auto add = [&](const std::optional<RowSide>& side, const QString& name) {
    if (!side) return;
    QLineSeries* curve = NewCurve(name);
    for (const SeriesPoint& p :
         RateConstantSeries(side->rate, context.unit, grid)) {
      const double y = std::log10(p.value);
      curve->append(1000.0 / p.t, y);
      low = std::min(low, y);
      high = std::max(high, y);
    }
    AddCurve(chart, curve);
  };
  add(row.a, QStringLiteral("A: ") + context.name_a);
  add(row.b, QStringLiteral("B: ") + context.name_b);
  if (!(low <= high)) {
    low = 0;
    high = 1;
  }
  // A flat curve still gets an axis a unit high.
  const double pad = std::max((high - low) * 0.05, 0.5 * (high == low));
  const QString units =
      QString::fromUtf8(RateConstantUnits(ReactionOrder(row.equation)).c_str());
  Attach(chart,
         NewValueAxis(QStringLiteral("1000/T (1/K)"),
                      1000.0 / context.range.high, 1000.0 / context.range.low),
         NewValueAxis(QStringLiteral("log10 k (k in %1)").arg(units), low - pad,
                      high + pad));
  chart.setTitle(Plain(row.equation) + QStringLiteral(" (") + EaNote(context) +
                 QStringLiteral(")"));
}

void DrawRatioChart(QChart& chart, const std::vector<DifferenceRow>& rows,
                    const std::vector<size_t>& chosen, const QString& title,
                    const ChartContext& context) {
  RemoveAll(chart);
  const std::vector<double> grid = TemperatureGrid(context.range, kCurvePoints);
  double low = INFINITY;
  double high = 0;
  for (size_t i : chosen) {
    const DifferenceRow& row = rows[i];
    if (!row.a || !row.b) continue;
    QLineSeries* curve = NewCurve(Plain(row.equation));
    for (const SeriesPoint& p :
         RatioSeries(row.a->rate, row.b->rate, context.unit, grid)) {
      curve->append(p.t, p.value);
      low = std::min(low, p.value);
      high = std::max(high, p.value);
    }
    AddCurve(chart, curve);
  }
  if (!(low <= high)) low = high = 1;
  auto* y = new QLogValueAxis;
  y->setTitleText(QStringLiteral("k(B)/k(A)"));
  y->setLabelFormat(QStringLiteral("%.3g"));
  // A little room above and below, more when every curve is flat.
  const double pad = high / low < 1.5 ? 2.0 : 1.15;
  y->setRange(low / pad, high * pad);
  // One grid line per decade, or per several decades over a wide range,
  // so that about eight labels fit.
  const double decades = std::log10(high * pad / (low / pad));
  y->setBase(std::pow(10.0, std::max(1.0, std::ceil(decades / 8))));
  QValueAxis* x = NewValueAxis(QStringLiteral("T (K)"), context.range.low,
                               context.range.high);
  x->setLabelFormat(QStringLiteral("%.0f"));
  x->setTickCount(10);
  Attach(chart, x, y);
  chart.setTitle(title);
}

QString RatioTitle(size_t count, bool selected, const ChartContext& context) {
  const QString which =
      selected ? QStringLiteral("%1 reactions selected in the table")
               : QStringLiteral(
                     "the %1 reactions whose rate constants differ "
                     "most");
  return QStringLiteral("k(B)/k(A): ") + which.arg(count) +
         QStringLiteral(" (") + EaNote(context) + QStringLiteral(")");
}

bool SaveChartImage(QChartView& view, const QString& path, QString* error) {
  const QSize size = view.size();
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    *error =
        QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(view.chart()->title());
    QPainter painter(&svg);
    view.render(&painter);
  } else {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      view.render(&painter);
    }
    if (!image.save(&file, "PNG")) {
      *error = QStringLiteral("cannot write %1").arg(path);
      return false;
    }
  }
  if (!file.flush()) {
    *error =
        QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

}  // namespace kestrelon
