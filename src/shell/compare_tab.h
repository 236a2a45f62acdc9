// CompareTab is the window's "Compare Mechanisms" tab: two cleaned
// mechanism files (typed, or chosen in file choosers with the run's filters,
// each opening where the last choice was), "&Compare", a short summary, a
// sortable table of every difference with a filter by kind, and beside it
// two plots: k(T) of the reaction current in the table, and k(B)/k(A) of
// the reactions selected in the table (two or more), else of the 20 in the
// filter whose rate constants differ most. The temperature range of both
// plots is settable. "Save &Plot..." writes the plot shown as PNG or SVG,
// "Save &Report..." the report as text or JSON (by the name's suffix).
// Two thermo files are compared as thermo data instead (ThermoPane): their
// table of species and values, and Cp/R against T of the species current
// in it; the report saved is then theirs.
//
// Reads the two files on "&Compare" and writes only the files the user
// saves. A file that cannot be read or compared, or a save that fails, is
// said in the tab's message line (CompareMessage), as is a thermo file
// given with a file that is not one; no exception leaves a handler.
// Dialogs run through DesktopHooks.
#ifndef KESTRELON_SHELL_COMPARE_TAB_H_
#define KESTRELON_SHELL_COMPARE_TAB_H_

#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "compare/file_comparison.h"
#include "shell/difference_model.h"
#include "shell/rate_chart.h"

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTableView;

namespace kestrelon {

class DesktopHooks;
class DifferenceModel;
class ThermoPane;

class CompareTab : public QWidget {
 public:
  explicit CompareTab(DesktopHooks& hooks, QWidget* parent = nullptr);
  ~CompareTab() override;

  // The loaded comparison, or nullptr (none yet, or the last one failed).
  const FileComparison* comparison() const { return comparison_.get(); }
  QChartView* rate_view() const { return rate_view_; }
  QChartView* ratio_view() const { return ratio_view_; }
  QTableView* table() const { return table_; }
  // What two thermo files show; its comparison is null otherwise.
  ThermoPane* thermo_pane() const { return thermo_; }

  // What the plots are drawn with now.
  ChartContext Context() const;

 private:
  void Choose(QLineEdit* box, const QString& title);
  void Compare();
  // Shows the mechanisms' table and plots, or the thermo pane.
  void ShowPage(bool thermo);
  void Redraw();
  void DrawRate();
  void DrawRatio();
  void SavePlot();
  void SaveReport();
  void Say(const QString& message);

  DesktopHooks& hooks_;
  QString last_dir_;
  std::unique_ptr<FileComparison> comparison_;
  QLineEdit* file_a_ = nullptr;
  QLineEdit* file_b_ = nullptr;
  QLabel* summary_ = nullptr;
  QLabel* message_ = nullptr;
  QComboBox* kind_ = nullptr;
  QTableView* table_ = nullptr;
  DifferenceModel* model_ = nullptr;
  DifferenceFilter* filter_ = nullptr;
  QSpinBox* t_low_ = nullptr;
  QSpinBox* t_high_ = nullptr;
  QTabWidget* plots_ = nullptr;
  QChartView* rate_view_ = nullptr;
  QChartView* ratio_view_ = nullptr;
  QStackedWidget* body_ = nullptr;  // the mechanisms' split, or thermo_
  ThermoPane* thermo_ = nullptr;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_COMPARE_TAB_H_
