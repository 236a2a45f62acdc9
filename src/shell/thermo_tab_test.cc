// The compare tab given two thermo files, offscreen: the summary, the table
// of species and values, the Cp/R curves of the species current in it,
// what it saves, and a thermo file given with a mechanism. The series are
// checked, not pixels.
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineSeries>
#include <QSpinBox>
#include <QtTest>

#include "shell/compare_tab.h"
#include "shell/thermo_pane.h"
#include "tests/support/check_test_support.h"
#include "tests/support/window_test_hooks.h"
#include "tests/support/window_test_support.h"

namespace kestrelon {
namespace {

using check_test::Entry;
using check_test::Poly;
using check_test::ThermoFile;

// H2O: Cp/R = 3 + 1e-3 T below 1000 K, 2.5 + 1e-7 T^2 above in A; B
// changes a1 of the high range to 2.6. O is in A only, AR in B only.
const Poly kLow = {3.0, 1e-3, 0, 0, 0, 0, 0};
const Poly kHighA = {2.5, 0, 1e-7, 0, 0, 0, 0};
const Poly kHighB = {2.6, 0, 1e-7, 0, 0, 0, 0};

std::string FileA() {
  return ThermoFile(Entry("H2", {{"H", 2}}) +
                    Entry("H2O", {{"H", 2}, {"O", 1}}, kLow, kHighA) +
                    Entry("O", {{"O", 1}}));
}

std::string FileB() {
  return ThermoFile(Entry("H2O", {{"H", 2}, {"O", 1}}, kLow, kHighB) +
                    Entry("H2", {{"H", 2}}) + Entry("AR", {{"AR", 1}}));
}

const char* const kMechanism =
    "ELEMENTS\nH O\nEND\nSPECIES\nH H2 O OH\nEND\nREACTIONS\n"
    "O+H2<=>H+OH 5.080E+04 2.6700 26317.4\nEND\n";

}  // namespace

class ThermoTabTest : public QObject, CompareTabDriver {
  Q_OBJECT

 private:
  TestHooks hooks_;
  std::unique_ptr<CompareTab> tab_;

 private slots:
  void init() {
    hooks_ = TestHooks();
    tab_ = std::make_unique<CompareTab>(hooks_);
    root_ = tab_.get();
    tab_->show();
    QVERIFY(QTest::qWaitForWindowExposed(tab_.get()));
  }
  void cleanup() { tab_.reset(); }

  void TableAndCpCurvesOfTheCurrentSpecies() {
    Compare(Write("therma.dat", FileA()), Write("thermb.dat", FileB()));
    QCOMPARE(Message(), QString());
    QCOMPARE(Find<QLabel>("CompareSummary")->text(),
             QString("Cp/R, H/RT and S/R at 300, 1000, 2000 K; tolerance "
                     "0.001\nSpecies: 2 matched, 1 only in A, 1 only in B, 1 "
                     "with different values\nThe files differ."));
    QVERIFY(Find<QComboBox>("ThermoKindFilter")->isVisible());
    QVERIFY(!Find<QComboBox>("KindFilter")->isVisible());
    QTableView* table = tab_->thermo_pane()->table();
    QCOMPARE(table->model()->rowCount(), 8);
    const std::pair<int, QString> rows[] = {
        {0, "only in A|O|11|||||"},
        {1, "only in B|AR||11||||"},
        {2, "values|H2O|7|3|Cp/R|1000|2.6|2.7"},
        {7, "values|H2O|7|3|S/R|2000|19.2023|19.9623"},
    };
    for (const auto& [row, text] : rows) QCOMPARE(RowText(table, row), text);

    // A species of one file: its one curve.
    QChart* chart = tab_->thermo_pane()->chart_view()->chart();
    QCOMPARE(chart->series().size(), 1);
    QCOMPARE(chart->series().at(0)->name(), QString("A: therma.dat"));

    table->selectRow(2);
    QCOMPARE(chart->title(), QString("Cp/R of H2O"));
    QCOMPARE(chart->axes(Qt::Horizontal).at(0)->titleText() + " | " +
                 chart->axes(Qt::Vertical).at(0)->titleText(),
             QString("T (K) | Cp/R (Cp over the gas constant R)"));
    // At 300 K the low range (the same in both), at 3000 K the high one.
    const QString names[] = {"A: therma.dat", "B: thermb.dat"};
    const double at_3000[] = {2.5 + 0.9, 2.6 + 0.9};
    QCOMPARE(chart->series().size(), 2);
    for (int side = 0; side < 2; ++side) {
      auto* curve = qobject_cast<QLineSeries*>(chart->series().at(side));
      QCOMPARE(curve->name(), names[side]);
      QCOMPARE(curve->points().front().x(), 300.0);
      QVERIFY(std::fabs(curve->points().front().y() - 3.3) < 1e-12);
      QCOMPARE(curve->points().back().x(), 3000.0);
      QVERIFY(std::fabs(curve->points().back().y() - at_3000[side]) < 1e-12);
    }
    Find<QSpinBox>("TLow")->setValue(500);
    QCOMPARE(
        qobject_cast<QLineSeries*>(chart->series().at(0))->points().front().x(),
        500.0);

    Find<QComboBox>("ThermoKindFilter")->setCurrentIndex(3);
    QCOMPARE(table->model()->rowCount(), 6);

    hooks_.file = dir_.filePath("cp.png");
    Find<QPushButton>("SavePlotCmd")->click();
    QCOMPARE(QImage(dir_.filePath("cp.png")).size(),
             tab_->thermo_pane()->chart_view()->size());
    hooks_.file = dir_.filePath("report.json");
    Find<QPushButton>("SaveReportCmd")->click();
    QFile json(dir_.filePath("report.json"));
    QVERIFY(json.open(QIODevice::ReadOnly));
    const QJsonObject report = QJsonDocument::fromJson(json.readAll()).object();
    QCOMPARE(report.value("matched").toInt(), 2);
  }

  void AThermoFileWithAMechanismIsAnError_data() {
    QTest::addColumn<bool>("thermo_first");
    QTest::addColumn<QString>("message");
    QTest::newRow("thermo, mechanism")
        << true
        << "A (therma.dat) holds thermo data, B (mechj.rxn) does not; compare "
           "two thermo files or two cleaned mechanisms";
    QTest::newRow("mechanism, thermo")
        << false
        << "B (therma.dat) holds thermo data, A (mechj.rxn) does not; compare "
           "two thermo files or two cleaned mechanisms";
  }
  void AThermoFileWithAMechanismIsAnError() {
    QFETCH(bool, thermo_first);
    QFETCH(QString, message);
    const QString thermo = Write("therma.dat", FileA());
    const QString mechanism = Write("mechj.rxn", kMechanism);
    // A good comparison first: the error takes its rows and curves away.
    Compare(thermo, Write("thermb.dat", FileB()));
    QCOMPARE(tab_->thermo_pane()->table()->model()->rowCount(), 8);
    Compare(thermo_first ? thermo : mechanism,
            thermo_first ? mechanism : thermo);
    QCOMPARE(Message(), message);
    QCOMPARE(Find<QLabel>("CompareSummary")->text(), QString());
    QCOMPARE(tab_->thermo_pane()->table()->model()->rowCount(), 0);
    QCOMPARE(tab_->thermo_pane()->chart_view()->chart()->series().size(), 0);
    QVERIFY(tab_->thermo_pane()->comparison() == nullptr);
  }

  // An entry whose numbers cannot be read is left out, and the tab says so.
  void UnreadableEntriesAreNamed() {
    std::string a = FileA();
    size_t line4 = 0;
    for (int k = 0; k < 3; ++k) line4 = a.find('\n', line4) + 1;
    a.replace(line4, 15, "    not a num  ");
    const QString path = Write("therma.dat", a);
    Compare(path, Write("thermb.dat", FileB()));
    QCOMPARE(Message(), path +
                            ":3: thermo entry of H2: a coefficient cannot be "
                            "read as a number; left out of the comparison");
  }
};

}  // namespace kestrelon

QTEST_MAIN(kestrelon::ThermoTabTest)
#include "thermo_tab_test.moc"
