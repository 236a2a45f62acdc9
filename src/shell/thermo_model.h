// ThermoModel shows the rows of a thermo comparison
// (thermo_file_comparison.h) in a table view: kind ("only in A", "only in
// B", "values"), species, line in each file, quantity, temperature and the
// value in each file, numbers as the text report prints them. Cells a row
// does not have are empty. The sort role (Qt::UserRole) gives numbers for
// the number columns, empty cells first.
//
// ThermoFilter is its proxy: it sorts, and keeps the rows of one kind or of
// every kind. Read-only; nothing here throws beyond std::bad_alloc.
#ifndef KESTRELON_SHELL_THERMO_MODEL_H_
#define KESTRELON_SHELL_THERMO_MODEL_H_

#include <optional>
#include <vector>

#include "check/thermo_file_comparison.h"
#include "shell/kind_filter.h"
#include "shell/rows_model.h"

namespace kestrelon {

class ThermoModel : public RowsModel<ThermoRow> {
 public:
  explicit ThermoModel(QObject* parent = nullptr);

  QVariant data(const QModelIndex& index,
                int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
};

using ThermoFilter = KindFilter<ThermoModel, ThermoRowKind>;

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_THERMO_MODEL_H_
