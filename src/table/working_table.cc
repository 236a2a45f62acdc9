#include "table/working_table.h"

#include <utility>

#include "platform/run_error.h"

namespace kestrelon {

WorkingTable::WorkingTable() : cells_(static_cast<size_t>(kRows) * kColumns) {}

void WorkingTable::ThrowOutside(int row, int column) {
  throw RunError("working table has no cell at row " + std::to_string(row) +
                 ", column " + std::to_string(column) +
                 " (it holds at most 25999 lines)");
}

void WorkingTable::Set(int row, int column, std::string text) {
  At(row, column) = std::move(text);
}

void WorkingTable::Clear() {
  const size_t end = static_cast<size_t>(rows_in_use_) * kColumns;
  // A cell within the string's own small buffer has nothing to free.
  const size_t small = std::string().capacity();
  for (size_t i = 0; i < end; ++i) {
    std::string& cell = cells_[i];
    if (cell.capacity() > small) {
      std::string().swap(cell);
    } else {
      cell.clear();
    }
  }
  rows_in_use_ = 0;
}

}  // namespace kestrelon
