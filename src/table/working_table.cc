#include "table/working_table.h"

#include <utility>

#include "platform/run_error.h"

namespace kestrelon {

WorkingTable::WorkingTable()
    : cells_(static_cast<size_t>(kRows) * kColumns) {}

void WorkingTable::Check(int row, int column) const {
  if (row < 0 || row >= kRows || column < 0 || column >= kColumns) {
    throw RunError("working table has no cell at row " + std::to_string(row) +
                   ", column " + std::to_string(column) +
                   " (it holds at most 25999 lines)");
  }
}

const std::string& WorkingTable::Get(int row, int column) const {
  Check(row, column);
  return Cell(row, column);
}

void WorkingTable::Set(int row, int column, std::string text) {
  At(row, column) = std::move(text);
}

std::string& WorkingTable::At(int row, int column) {
  Check(row, column);
  if (row >= rows_in_use_) rows_in_use_ = row + 1;
  return cells_[static_cast<size_t>(row) * kColumns + column];
}

void WorkingTable::Clear() {
  const size_t end = static_cast<size_t>(rows_in_use_) * kColumns;
  for (size_t i = 0; i < end; ++i) {
    cells_[i].clear();
    cells_[i].shrink_to_fit();
  }
  rows_in_use_ = 0;
}

}  // namespace kestrelon
