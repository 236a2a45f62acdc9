// The "Compare Mechanisms" tab, offscreen: its choosers, the summary and
// the table of differences, the two plots for what the table selects, the
// errors it shows, and what it saves. The series are checked, not pixels.
#include "shell/compare_tab.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineSeries>
#include <QSpinBox>
#include <QTabWidget>
#include <QValueAxis>
#include <QtTest>
#include <cmath>

#include "shell/main_window.h"
#include "tests/support/window_test_hooks.h"
#include "tests/support/window_test_support.h"

namespace kestrelon {
namespace {

const char* const kA =
    "ELEMENTS\nH O\nEND\nSPECIES\nH H2 O O2 OH H2O HO2\nEND\nREACTIONS\n"
    "H+O2<=>OH+O 3.547E+15 -0.4060 69450.2\n"
    "O+H2<=>H+OH 5.080E+04 2.6700 26317.4\n"
    "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0\n"
    "LOW /6.366E+20 -1.7200 2195.8/\n"
    "OH+OH<=>O+H2O 3.570E+04 2.4000 -8828.2\n"
    "END\n****List of non-elementary reactions****\n"
    "H+H+H+H=>H2+H2 1.000E+10 0.0000 0.0\n";

// One reaction only in each file, A changed in O+H2 and in the
// non-elementary reaction, LOW changed.
const char* const kB =
    "ELEMENTS\nH O\nEND\nSPECIES\nH H2 O O2 OH H2O HO2\nEND\nREACTIONS\n"
    "OH+O<=>H+O2 3.547E+15 -0.4060 69450.2\n"
    "O+H2<=>H+OH 6.000E+04 2.6700 26317.4\n"
    "H+O2(+M)<=>HO2(+M) 4.650E+12 0.4400 0.0\n"
    "LOW /6.000E+20 -1.7200 2195.8/\n"
    "H2+O2<=>OH+OH 1.700E+13 0.0000 199911.5\n"
    "END\n****List of non-elementary reactions****\n"
    "H+H+H+H=>H2+H2 2.000E+10 0.0000 0.0\n";

const QString kEa = QStringLiteral(" (Ea in J/mol, from the file names)");

// k = A T^n exp(-Ea/(R T)) with Ea in J/mol, worked out here.
double HandLog10K(double a, double n, double ea, double t) {
  return std::log10(a * std::pow(t, n) * std::exp(-ea / (8.3144 * t)));
}

QStringList Names(QChart* chart) {
  QStringList names;
  for (QAbstractSeries* s : chart->series()) names << s->name();
  return names;
}

QLineSeries* Curve(QChart* chart, int i) {
  return qobject_cast<QLineSeries*>(chart->series().at(i));
}

QString AxisTitles(QChart* chart) {
  return chart->axes(Qt::Horizontal).at(0)->titleText() + " | " +
         chart->axes(Qt::Vertical).at(0)->titleText();
}

}  // namespace

class CompareTabTest : public QObject, CompareTabDriver {
  Q_OBJECT

 private:
  TestHooks hooks_;
  std::unique_ptr<MainWindow> window_;
  CompareTab* tab_ = nullptr;

 private slots:
  void init() {
    hooks_ = TestHooks();
    window_ = std::make_unique<MainWindow>(hooks_, "");
    root_ = tab_ = window_->compare_tab();
    window_->tabs()->setCurrentWidget(tab_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  // Each chooser has the run's filters; the first opens in the home
  // directory, the next where the last choice was.
  void ChoosersStartWhereTheLastChoiceWas() {
    hooks_.file = Write("oldj.rxn", kA);
    Find<QPushButton>("ChooseFileA")->click();
    hooks_.file = Write("newj.rxn", kB);
    Find<QPushButton>("ChooseFileB")->click();
    const QString filters =
        "*.RXN Files (*.rxn *.RXN);;.MECH Files (*.mech *.MECH);;All Files (*)";
    QCOMPARE(
        hooks_.log,
        QStringList(
            {"chooser Select file A...|" + filters + "|" + QDir::homePath(),
             "chooser Select file B...|" + filters + "|" + dir_.path()}));
    QCOMPARE(Find<QLineEdit>("CompareFileA")->text(),
             dir_.filePath("oldj.rxn"));
    QCOMPARE(Find<QLineEdit>("CompareFileB")->text(),
             dir_.filePath("newj.rxn"));
  }

  void SummaryTableAndPlotsOfTheSelectedReaction() {
    Compare(Write("oldj.rxn", kA), Write("newj.rxn", kB));
    QCOMPARE(Message(), QString());
    // The summary's wording is checked word for word by the difference
    // rows test (it runs without the window); here, that the tab shows it.
    QCOMPARE(Find<QLabel>("CompareSummary")->text(),
             QString::fromStdString(ShortSummary(tab_->comparison()->report)));
    QTableView* table = tab_->table();
    QCOMPARE(table->model()->rowCount(), 5);
    QCOMPARE(
        RowText(table, 0),
        QString("only in A|OH+OH<=>O+H2O|12||3.570E+04|2.4000|-8828.2||||"));
    QCOMPARE(RowText(table, 4),
             QString("rate parameters, non-elementary list|H+H+H+H=>H2+H2|15|"
                     "15|1.000E+10|0.0000|0.0|2.000E+10|0.0000|0.0|2"));

    table->selectRow(2);
    QChart* rate = tab_->rate_view()->chart();
    QCOMPARE(Names(rate), QStringList({"A: oldj.rxn", "B: newj.rxn"}));
    QCOMPARE(rate->title(), "O+H2&lt;=&gt;H+OH" + kEa);
    QCOMPARE(AxisTitles(rate),
             QString("1000/T (1/K) | log10 k (k in cm³/(mol·s))"));
    const double a_of[] = {5.08e4, 6.0e4};
    for (int side = 0; side < 2; ++side) {
      const QList<QPointF> points = Curve(rate, side)->points();
      QCOMPARE(points.size(), 60);
      QCOMPARE(points.front().x(), 1000.0 / 300.0);
      QCOMPARE(points.back().x(), 1000.0 / 3000.0);
      QVERIFY(std::fabs(points.front().y() -
                        HandLog10K(a_of[side], 2.67, 26317.4, 300.0)) < 1e-12);
      QVERIFY(std::fabs(points.back().y() -
                        HandLog10K(a_of[side], 2.67, 26317.4, 3000.0)) < 1e-12);
    }

    // One row selected: the ratio plot shows the changed reactions that
    // differ most, furthest apart first.
    QChart* ratio = tab_->ratio_view()->chart();
    QCOMPARE(Names(ratio),
             QStringList({"H+H+H+H=&gt;H2+H2", "O+H2&lt;=&gt;H+OH"}));
    QCOMPARE(AxisTitles(ratio), QString("T (K) | k(B)/k(A)"));
    QCOMPARE(
        ratio->title(),
        "k(B)/k(A): the 2 reactions whose rate constants differ most" + kEa);
    QCOMPARE(Curve(ratio, 1)->points().front(), QPointF(300.0, 6.0 / 5.08));
    QCOMPARE(Curve(ratio, 0)->points().back(), QPointF(3000.0, 2.0));

    // Several rows selected: those that are in both files, in table order.
    table->selectAll();
    QCOMPARE(Names(ratio),
             QStringList({"O+H2&lt;=&gt;H+OH", "H+O2(+M)&lt;=&gt;HO2(+M)",
                          "H+H+H+H=&gt;H2+H2"}));
    QCOMPARE(ratio->title(),
             "k(B)/k(A): 3 reactions selected in the table" + kEa);

    // Sorted by the ratio, largest first.
    table->sortByColumn(10, Qt::DescendingOrder);
    QCOMPARE(table->model()->index(0, 1).data().toString(),
             QString("H+H+H+H=>H2+H2"));

    // Filtered to one kind: a reaction in B only has B's curve alone.
    Find<QComboBox>("KindFilter")->setCurrentIndex(2);
    QCOMPARE(table->model()->rowCount(), 1);
    table->selectRow(0);
    QCOMPARE(Names(rate), QStringList({"B: newj.rxn"}));
    QCOMPARE(Curve(rate, 0)->points().front().y(),
             HandLog10K(1.7e13, 0, 199911.5, 300.0));
    QCOMPARE(Names(ratio), QStringList());

    // Another range of temperatures.
    Find<QSpinBox>("TLow")->setValue(500);
    QCOMPARE(Curve(rate, 0)->points().front().x(), 2.0);
    auto* x = qobject_cast<QValueAxis*>(rate->axes(Qt::Horizontal).at(0));
    QCOMPARE(x->min(), 1000.0 / 3000.0);
    QCOMPARE(x->max(), 2.0);
    Find<QSpinBox>("TLow")->setValue(4000);
    QCOMPARE(Message(),
             QString("The first temperature must be below the second."));
    Find<QSpinBox>("TLow")->setValue(300);
    QCOMPARE(Message(), QString());
  }

  void ErrorsShowInTheTab_data() {
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("message");
    // The texts of the other failures of CompareFiles (Ea units of the
    // names, a file that is not a cleaned one) are checked by the difference
    // rows test; one failure of the comparison and the tab's own suffice.
    QTest::newRow("missing") << "missingj.rxn"
                             << "@missingj.rxn: cannot open: No such file or "
                                "directory";
    QTest::newRow("empty box") << ""
                               << "Choose the two files to compare.";
  }
  void ErrorsShowInTheTab() {
    QFETCH(QString, b);
    QFETCH(QString, message);
    // A good comparison first: an error takes its rows and plots away.
    Compare(Write("oldj.rxn", kA), Write("newj.rxn", kB));
    QCOMPARE(tab_->table()->model()->rowCount(), 5);
    Compare(dir_.filePath("oldj.rxn"), b.isEmpty() ? b : dir_.filePath(b));
    QCOMPARE(Message(), message.replace("@", dir_.path() + "/"));
    QVERIFY(Find<QLabel>("CompareMessage")->isVisible());
    QCOMPARE(Find<QLabel>("CompareSummary")->text(), QString());
    QCOMPARE(tab_->table()->model()->rowCount(), 0);
    QCOMPARE(tab_->rate_view()->chart()->series().size(), 0);
    QCOMPARE(tab_->ratio_view()->chart()->series().size(), 0);
    QVERIFY(tab_->comparison() == nullptr);
  }

  void SavesPlotsAndReports() {
    Compare(Write("oldj.rxn", kA), Write("newj.rxn", kB));
    tab_->table()->selectRow(2);
    hooks_.file = dir_.filePath("rate.png");
    Find<QPushButton>("SavePlotCmd")->click();
    QImage png(dir_.filePath("rate.png"));
    QCOMPARE(png.size(), tab_->rate_view()->size());

    Find<QTabWidget>("PlotViews")->setCurrentIndex(1);
    hooks_.file = dir_.filePath("ratio.svg");
    Find<QPushButton>("SavePlotCmd")->click();
    // The plot of the tab shown (both have two curves here: its title tells
    // them apart). The SVG itself, valid XML with one wide stroke per curve,
    // is checked by plot_option_test through the same SaveChartImage.
    QFile svg(dir_.filePath("ratio.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<title>k(B)/k(A): the 2 reactions"));

    hooks_.file = dir_.filePath("report.json");
    Find<QPushButton>("SaveReportCmd")->click();
    QFile json(dir_.filePath("report.json"));
    QVERIFY(json.open(QIODevice::ReadOnly));
    const QJsonObject report = QJsonDocument::fromJson(json.readAll()).object();
    QCOMPARE(report.value("same").toBool(true), false);
    QCOMPARE(report.value("ea_unit").toString(), QString("J/mol"));

    // A name without a suffix takes the first filter's: a text report.
    hooks_.file = dir_.filePath("report");
    Find<QPushButton>("SaveReportCmd")->click();
    QFile text(dir_.filePath("report.txt"));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QCOMPARE(text.readLine(),
             "A: " + dir_.filePath("oldj.rxn").toUtf8() + "\n");

    hooks_.file = dir_.filePath("no/report.txt");
    Find<QPushButton>("SaveReportCmd")->click();
    QCOMPARE(Message(), dir_.filePath("no/report.txt") +
                            ": cannot create: No such file or directory");
  }

  // Given two large cleaned files in KESTRELON_COMPARE_A and _B (see
  // bench/README.md): the time from "&Compare" to the window and both plots
  // painted. Skipped without them.
  void TimeOfLargeFiles() {
    const QString a = qEnvironmentVariable("KESTRELON_COMPARE_A");
    const QString b = qEnvironmentVariable("KESTRELON_COMPARE_B");
    if (a.isEmpty() || b.isEmpty()) QSKIP("KESTRELON_COMPARE_A/_B not set");
    QElapsedTimer timer;
    timer.start();
    Compare(a, b);
    QVERIFY(tab_->comparison() != nullptr);
    window_->grab();
    tab_->ratio_view()->grab();
    const qint64 ms = timer.elapsed();
    qInfo("compared %d differences and drew both plots in %lld ms",
          tab_->table()->model()->rowCount(), ms);
    QVERIFY(ms < 500);
  }
};

}  // namespace kestrelon

QTEST_MAIN(kestrelon::CompareTabTest)
#include "compare_tab_test.moc"
