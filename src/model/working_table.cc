#include "model/working_table.h"

#include <utility>

#include "model/run_error.h"

namespace kestrelon {

WorkingTable::WorkingTable() : cells_(static_cast<size_t>(kRows) * kColumns) {}

void WorkingTable::ThrowOutside(int row, int column) const {
  throw RunError("working table has no cell at row " + std::to_string(row) +
                 ", column " + std::to_string(column) + " (it holds at most " +
                 std::to_string(rows_ - 1) + " lines)");
}

void WorkingTable::Reserve(int rows) {
  if (rows <= rows_) return;
  cells_.resize(static_cast<size_t>(rows) * kColumns);
  rows_ = rows;
}

void WorkingTable::Set(int row, int column, std::string text) {
  At(row, column) = std::move(text);
}

void WorkingTable::Clear() {
  // Cells keep their buffers: the next run fills the same rows with lines
  // of about the same lengths, and the buffers are small beside the table.
  const size_t end = static_cast<size_t>(rows_in_use_) * kColumns;
  for (size_t i = 0; i < end; ++i) {
    if (!cells_[i].empty()) cells_[i].clear();
  }
  rows_in_use_ = 0;
}

}  // namespace kestrelon
