#include "model/working_table.h"

#include <utility>

#include "model/run_error.h"

namespace kestrelon {

const std::string WorkingTable::kEmpty;

void WorkingTable::ThrowOutside(int row, int column) const {
  throw RunError("working table has no cell at row " + std::to_string(row) +
                 ", column " + std::to_string(column) + " (it holds at most " +
                 std::to_string(limit_ - 1) + " lines)");
}

void WorkingTable::Set(int row, int column, std::string text) {
  At(row, column) = std::move(text);
}

void WorkingTable::Grow(int rows) {
  if (rows <= rows_in_use_) return;
  if (rows > limit_) ThrowOutside(rows - 1, 0);
  cells_.resize(static_cast<size_t>(rows) * kColumns);
  rows_in_use_ = rows;
}

void WorkingTable::Clear() {
  // The next mechanism may be a tenth of this one: its table is sized anew.
  std::vector<std::string>().swap(cells_);
  rows_in_use_ = 0;
  limit_ = kRows;
}

}  // namespace kestrelon
