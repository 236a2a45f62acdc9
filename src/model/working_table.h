// WorkingTable holds a mechanism one line per row while a run analyses it:
// 26,000 rows by 13 columns of text, rows 1 to 25,999 and columns 1 to 12 in
// use (row 0 and column 0 exist and stay empty). A cell never written holds
// the empty string. Only Reserve grows it, for a permissive run on a larger
// input; it never shrinks.
//
// Whoever runs owns the table: the window keeps one and shows it in its
// grid, the command line makes one per run. Reading or writing outside the
// table throws RunError.
#ifndef KESTRELON_MODEL_WORKING_TABLE_H_
#define KESTRELON_MODEL_WORKING_TABLE_H_

#include <string>
#include <vector>

namespace kestrelon {

class WorkingTable {
 public:
  static constexpr int kRows = 26000;
  static constexpr int kColumns = 13;
  static constexpr int kLastDataRow = kRows - 1;

  WorkingTable();

  // Checked access; throws RunError("working table has no row ...").
  const std::string& Get(int row, int column) const {
    if (Outside(row, column)) ThrowOutside(row, column);
    return Cell(row, column);
  }
  void Set(int row, int column, std::string text);
  std::string& At(int row, int column) {
    if (Outside(row, column)) ThrowOutside(row, column);
    if (row >= rows_in_use_) rows_in_use_ = row + 1;
    return cells_[static_cast<size_t>(row) * kColumns + column];
  }

  // Grows the table to hold rows 0 to `rows` - 1 (no change when it
  // already does); the new cells are empty. Throws std::bad_alloc.
  void Reserve(int rows);

  // Rows the table holds, row 0 included.
  int rows() const { return rows_; }

  // Unchecked read for views that stay inside the bounds.
  const std::string& Cell(int row, int column) const {
    return cells_[static_cast<size_t>(row) * kColumns + column];
  }

  // Every cell becomes empty; a cell keeps its buffer for the next run.
  // Costs only the rows written since the last clear.
  void Clear();

  // One past the highest row written since the last clear (0 when empty).
  int rows_in_use() const { return rows_in_use_; }

 private:
  bool Outside(int row, int column) const {
    return static_cast<unsigned>(row) >= static_cast<unsigned>(rows_) ||
           static_cast<unsigned>(column) >= static_cast<unsigned>(kColumns);
  }
  [[noreturn]] void ThrowOutside(int row, int column) const;

  std::vector<std::string> cells_;
  int rows_ = kRows;
  int rows_in_use_ = 0;
};

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_WORKING_TABLE_H_
