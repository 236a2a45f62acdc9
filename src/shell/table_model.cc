#include "shell/table_model.h"

#include <algorithm>

namespace kestrelon {
namespace {

constexpr int kShownColumns = WorkingTable::kColumns - 1;

}  // namespace

WorkingTableModel::WorkingTableModel(const WorkingTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
  rows_ = std::max(0, table_.rows_in_use() - 1);
}

void WorkingTableModel::Reset() {
  beginResetModel();
  rows_ = std::max(0, table_.rows_in_use() - 1);
  endResetModel();
}

int WorkingTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int WorkingTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kShownColumns;
}

QVariant WorkingTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  if (!checkIndex(index, CheckIndexOption::IndexIsValid |
                             CheckIndexOption::ParentIsInvalid)) {
    return {};
  }
  // The table may have been cleared since the last reset: rows it no
  // longer holds read empty.
  const std::string_view cell = table_.Get(index.row() + 1, index.column() + 1);
  if (cell.empty()) return {};
  return QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
}

QVariant WorkingTableModel::headerData(int section, Qt::Orientation orientation,
                                       int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  const int count = orientation == Qt::Horizontal ? kShownColumns : rows_;
  if (section >= count) return {};
  return section + 1;
}

Qt::ItemFlags WorkingTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace kestrelon
