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

void WorkingTable::SetCopies(int row, int first_column,
                             std::span<const std::string_view> texts) {
  std::vector<std::string> copies(texts.begin(), texts.end());
  std::vector<std::string_view> views(copies.begin(), copies.end());
  SetRange(row, first_column, views);
}

void WorkingTable::SetRange(int row, int first_column,
                            std::span<const std::string_view> texts) {
  const int end_column = first_column + static_cast<int>(texts.size());
  if (texts.empty()) return;
  if (Outside(row, first_column) || end_column > kColumns) {
    ThrowOutside(row, end_column - 1);
  }
  size_t size = 0;
  for (std::string_view t : texts) size += t.size();
  if (row >= rows_in_use()) {
    if (size == 0) return;  // an unwritten cell is empty already
    Grow(row + 1);
  }
  Row& r = rows_[static_cast<size_t>(row)];
  uint32_t before = 0;
  uint32_t old_size = 0;
  uint32_t after = 0;
  for (int c = 0; c < kColumns; ++c) {
    const uint32_t s = r.size[c];
    if (c < first_column) {
      before += s;
    } else if (c < end_column) {
      old_size += s;
    } else {
      after += s;
    }
  }
  const size_t total = size_t{before} + size + after;
  if (total > UINT32_MAX) throw std::bad_alloc();
  // A text may be a view into this very row, which the move below shifts:
  // such texts are copied first.
  for (std::string_view t : texts) {
    if (!t.empty() && t.data() >= r.data && t.data() < r.data + r.capacity) {
      return SetCopies(row, first_column, texts);
    }
  }
  char* data = r.data;
  if (total > r.capacity) {
    // Rows gain their columns one pass after another: some room for the
    // next ones saves moving the row at every pass.
    size_t capacity = total + 16;
    capacity = (capacity + 15) & ~size_t{15};
    if (capacity > UINT32_MAX) capacity = total;
    data = static_cast<char*>(std::malloc(capacity));
    if (data == nullptr) throw std::bad_alloc();
    if (before > 0) std::memcpy(data, r.data, before);
    if (after > 0) {
      std::memcpy(data + before + size, r.data + before + old_size, after);
    }
    r.capacity = static_cast<uint32_t>(capacity);
  } else if (after > 0 && size != old_size) {
    std::memmove(data + before + size, data + before + old_size, after);
  }
  char* to = data + before;
  for (std::string_view t : texts) {
    if (!t.empty()) std::memcpy(to, t.data(), t.size());
    to += t.size();
  }
  if (data != r.data) {
    std::free(r.data);
    r.data = data;
  }
  for (size_t k = 0; k < texts.size(); ++k) {
    r.size[first_column + static_cast<int>(k)] =
        static_cast<uint32_t>(texts[k].size());
  }
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
