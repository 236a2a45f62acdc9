// DifferenceModel shows the rows of a comparison (difference_rows.h) in a
// table view, one row per difference: kind, equation, line in each file,
// A, n and Ea of each side as the files print them, and k(B)/k(A) at
// 1000 K. Cells of a side the reaction is not in are empty. The sort role
// (Qt::UserRole) gives numbers for the number columns, so that a sorting
// proxy orders them by value, with empty cells first.
//
// DifferenceFilter is that proxy: it sorts, and keeps the rows of one kind
// or of every kind. Read-only; nothing here throws beyond std::bad_alloc.
#ifndef KESTRELON_SHELL_DIFFERENCE_MODEL_H_
#define KESTRELON_SHELL_DIFFERENCE_MODEL_H_

#include <optional>
#include <vector>

#include "compare/difference_rows.h"
#include "shell/kind_filter.h"
#include "shell/rows_model.h"

namespace kestrelon {

class DifferenceModel : public RowsModel<DifferenceRow> {
 public:
  explicit DifferenceModel(QObject* parent = nullptr);

  QVariant data(const QModelIndex& index,
                int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
};

using DifferenceFilter = KindFilter<DifferenceModel, DifferenceKind>;

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_DIFFERENCE_MODEL_H_
