#include "shell/plot_export.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <iostream>
#include <string>

#include "compare/file_comparison.h"
#include "compare/number_text.h"
#include "model/run_error.h"
#include "shell/rate_chart.h"

namespace kestrelon {
namespace {

constexpr int kWritten = 0;
constexpr int kCannotRead = 2;
constexpr int kBadUsage = 64;

// Qt's warnings (about fonts or the runtime directory of the offscreen
// platform) would land in the output of a batch command; only failures
// are said, by this program.
void Quiet(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::cerr << "kestrelon: " << text.toStdString() << "\n";
  }
}

bool ToNumber(const char* text, double* value) {
  std::optional<double> v = ParseNumberText(text);
  if (!v) return false;
  *value = *v;
  return true;
}

}  // namespace

int DrawComparePlot(int argc, char** argv) {
  double width = 0, height = 0;
  TemperatureRange range;
  Tolerance tolerance;
  if (argc != 10 || !ToNumber(argv[5], &width) || !ToNumber(argv[6], &height) ||
      !ToNumber(argv[7], &range.low) || !ToNumber(argv[8], &range.high) ||
      !IsUsableRange(range) || width < 1 || height < 1 ||
      (std::string(argv[9]) != "digits" &&
       !ToNumber(argv[9], &tolerance.rel))) {
    std::cerr << "kestrelon-gui: " << kDrawComparePlot
              << " A B FILE WIDTH HEIGHT T_LOW T_HIGH REL|digits\n";
    return kBadUsage;
  }
  tolerance.relative = std::string(argv[9]) != "digits";
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(Quiet);
  int qt_argc = 1;
  QApplication app(qt_argc, argv);

  FileComparison c;
  try {
    c = CompareFiles(argv[2], argv[3], tolerance);
  } catch (const RunError& e) {
    std::cerr << "kestrelon: " << e.Describe() << "\n";
    return kCannotRead;
  } catch (const FileError& e) {
    std::cerr << "kestrelon: " << RunError(e).Describe() << "\n";
    return kCannotRead;
  }
  ChartContext context;
  context.unit = c.report.unit;
  context.unit_from_names = c.report.unit_from_names;
  context.name_a = QFileInfo(QString::fromLocal8Bit(argv[2])).fileName();
  context.name_b = QFileInfo(QString::fromLocal8Bit(argv[3])).fileName();
  context.range = range;
  std::vector<size_t> all(c.rows.size());
  for (size_t i = 0; i < all.size(); ++i) all[i] = i;
  const std::vector<size_t> chosen =
      LargestSpread(c.rows, all, context.unit, range);

  auto* chart = new QChart;
  chart->legend()->setAlignment(Qt::AlignRight);
  QChartView view(chart);
  view.setRenderHint(QPainter::Antialiasing);
  view.resize(static_cast<int>(width), static_cast<int>(height));
  DrawRatioChart(*chart, c.rows, chosen,
                 RatioTitle(chosen.size(), false, context), context);
  // Laid out at its size, as a window would be before it paints.
  view.show();
  QApplication::processEvents();
  QString error;
  if (!SaveChartImage(view, QString::fromLocal8Bit(argv[4]), &error)) {
    std::cerr << "kestrelon: " << error.toStdString() << "\n";
    return kCannotRead;
  }
  return kWritten;
}

}  // namespace kestrelon
