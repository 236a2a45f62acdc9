#include "model/working_table.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "model/run_error.h"

namespace kestrelon {

void WorkingTable::ThrowOutside(int row, int column) const {
  throw RunError("working table has no cell at row " + std::to_string(row) +
                 ", column " + std::to_string(column) + " (it holds at most " +
                 std::to_string(limit_ - 1) + " lines)");
}

void WorkingTable::Set(int row, int column, std::string_view text) {
  if (Outside(row, column)) ThrowOutside(row, column);
  if (row >= rows_in_use()) {
    if (text.empty()) return;  // an unwritten cell is empty already
    Grow(row + 1);
  }
  Row& r = rows_[static_cast<size_t>(row)];
  size_t before = 0;
  for (int c = 0; c < column; ++c) before += r.size[c];
  size_t after = 0;
  for (int c = column + 1; c < kColumns; ++c) after += r.size[c];
  const size_t old_size = r.size[column];
  const size_t total = before + text.size() + after;
  if (total > UINT32_MAX) throw std::bad_alloc();
  if (total > r.capacity) {
    // Rows gain their columns one pass after another: some room for the
    // next ones saves moving the row at every pass.
    size_t capacity = total + total / 2;
    capacity = (capacity + 15) & ~size_t{15};
    if (capacity > UINT32_MAX) capacity = total;
    char* data = static_cast<char*>(std::malloc(capacity));
    if (data == nullptr) throw std::bad_alloc();
    if (before > 0) std::memcpy(data, r.data, before);
    if (!text.empty()) std::memcpy(data + before, text.data(), text.size());
    if (after > 0) {
      std::memcpy(data + before + text.size(), r.data + before + old_size,
                  after);
    }
    std::free(r.data);
    r.data = data;
    r.capacity = static_cast<uint32_t>(capacity);
  } else {
    // The text may be a view into this very row.
    std::string copy;
    if (!text.empty() && text.data() >= r.data &&
        text.data() < r.data + r.capacity) {
      copy.assign(text);
      text = copy;
    }
    if (after > 0 && text.size() != old_size) {
      std::memmove(r.data + before + text.size(), r.data + before + old_size,
                   after);
    }
    if (!text.empty()) std::memcpy(r.data + before, text.data(), text.size());
  }
  r.size[column] = static_cast<uint32_t>(text.size());
}

void WorkingTable::Grow(int rows) {
  if (rows <= rows_in_use()) return;
  if (rows > limit_) ThrowOutside(rows - 1, 0);
  rows_.resize(static_cast<size_t>(rows));
}

void WorkingTable::Clear() {
  for (Row& r : rows_) std::free(r.data);
  // The next mechanism may be a tenth of this one: its table is sized anew.
  std::vector<Row>().swap(rows_);
  limit_ = kRows;
}

}  // namespace kestrelon
