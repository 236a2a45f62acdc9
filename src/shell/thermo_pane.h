// ThermoPane is what the compare tab shows for two thermo files: a sortable
// table of the rows of the comparison (thermo_model.h), filtered by kind
// with its own "Show:" box (the tab places it among its controls), and
// beside it the Cp/R curves of the species current in the table, one per
// file that holds it.
//
// Holds the comparison it shows; writes nothing. Nothing here throws
// beyond std::bad_alloc.
#ifndef KESTRELON_SHELL_THERMO_PANE_H_
#define KESTRELON_SHELL_THERMO_PANE_H_

#include <QWidget>
#include <optional>
#include <string>

#include "check/thermo_file_comparison.h"
#include "shell/rate_chart.h"
#include "shell/thermo_model.h"

class QChartView;
class QComboBox;
class QTableView;

namespace kestrelon {

class ThermoModel;

class ThermoPane : public QWidget {
 public:
  explicit ThermoPane(QWidget* parent = nullptr);
  ~ThermoPane() override;

  // Shows `comparison` (none: nothing), its curves named and drawn as
  // `context` says; the first row becomes current.
  void Show(std::optional<ThermoFileComparison> comparison,
            const ChartContext& context);
  // Draws the current species again over `context`'s range.
  void Redraw(const ChartContext& context);

  const ThermoFileComparison* comparison() const {
    return comparison_ ? &*comparison_ : nullptr;
  }
  // The report of the comparison shown (not null) as text or JSON.
  std::string Report(bool json) const;
  QTableView* table() const { return table_; }
  QChartView* chart_view() const { return chart_view_; }
  QComboBox* kind_filter() const { return kind_; }

 private:
  void Draw();

  std::optional<ThermoFileComparison> comparison_;
  ChartContext context_;
  QComboBox* kind_ = nullptr;
  QTableView* table_ = nullptr;
  ThermoModel* model_ = nullptr;
  ThermoFilter* filter_ = nullptr;
  QChartView* chart_view_ = nullptr;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_THERMO_PANE_H_
