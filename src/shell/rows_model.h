// RowsModel is the read-only table model behind the comparison tabs: it
// shows a vector of rows that its caller keeps (which must outlive the
// model or the next Reset), one model row per item, in a fixed number of
// columns. A subclass gives the cells (data) and the headers. Nothing here
// throws beyond std::bad_alloc.
#ifndef KESTRELON_SHELL_ROWS_MODEL_H_
#define KESTRELON_SHELL_ROWS_MODEL_H_

#include <QAbstractTableModel>
#include <vector>

namespace kestrelon {

template <typename Row>
class RowsModel : public QAbstractTableModel {
 public:
  RowsModel(int columns, QObject* parent)
      : QAbstractTableModel(parent), columns_(columns) {}

  // Shows `rows`, or nothing.
  void Reset(const std::vector<Row>* rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
  }

  // The row behind model row `r`.
  const Row& row(int r) const { return (*rows_)[r]; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() || rows_ == nullptr
               ? 0
               : static_cast<int>(rows_->size());
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : columns_;
  }

 protected:
  // The row of `index`, or nothing when there is none to show.
  const Row* RowAt(const QModelIndex& index) const {
    if (!index.isValid() || rows_ == nullptr) return nullptr;
    return &(*rows_)[index.row()];
  }

 private:
  const int columns_;
  const std::vector<Row>* rows_ = nullptr;
};

}  // namespace kestrelon

#endif  // KESTRELON_SHELL_ROWS_MODEL_H_
