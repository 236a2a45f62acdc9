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

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "compare/difference_rows.h"
#include "shell/kind_filter.h"

namespace kestrelon {

class DifferenceModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Shows `rows` (which must outlive the model or the next Reset), or
  // nothing.
  void Reset(const std::vector<DifferenceRow>* rows);

  // The row behind model row `r`.
  const DifferenceRow& row(int r) const { return (*rows_)[r]; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index,
                int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  const std::vector<DifferenceRow>* rows_ = nullptr;
};

using DifferenceFilter = KindFilter<DifferenceModel, DifferenceKind>;

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_DIFFERENCE_MODEL_H_
