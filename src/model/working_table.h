// WorkingTable holds a mechanism one line per row while a run analyses it:
// up to 26,000 rows by 13 columns of text, rows 1 to 25,999 and columns 1 to
// 12 in use (row 0 and column 0 exist and stay empty), or as many rows as
// AllowRows lets a permissive run have. A cell never written holds the
// empty string. Only the rows written take memory: loading a mechanism
// sizes the table to its lines, and a row written past them grows it; rows
// past the last one written read as empty.
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

  // Checked access; throws RunError("working table has no row ...").
  const std::string& Get(int row, int column) const {
    if (Outside(row, column)) ThrowOutside(row, column);
    if (row >= rows_in_use_) return kEmpty;
    return Cell(row, column);
  }
  void Set(int row, int column, std::string text);
  std::string& At(int row, int column) {
    if (Outside(row, column)) ThrowOutside(row, column);
    if (row >= rows_in_use_) Grow(row + 1);
    return cells_[static_cast<size_t>(row) * kColumns + column];
  }

  // Makes room for rows 0 to `rows` - 1 at once (at most the row limit).
  void Grow(int rows);

  // Lets the table hold rows 0 to `rows` - 1 when that is more than kRows
  // (a permissive run of a larger input); Clear brings the limit back.
  void AllowRows(int rows) {
    if (rows > limit_) limit_ = rows;
  }

  // Unchecked read of a row below rows_in_use().
  const std::string& Cell(int row, int column) const {
    return cells_[static_cast<size_t>(row) * kColumns + column];
  }

  // Every cell becomes empty; the table holds no row.
  void Clear();

  // One past the highest row written since the last clear (0 when empty).
  int rows_in_use() const { return rows_in_use_; }

 private:
  bool Outside(int row, int column) const {
    return static_cast<unsigned>(row) >= static_cast<unsigned>(limit_) ||
           static_cast<unsigned>(column) >= static_cast<unsigned>(kColumns);
  }
  [[noreturn]] void ThrowOutside(int row, int column) const;
  static const std::string kEmpty;

  std::vector<std::string> cells_;
  int rows_in_use_ = 0;
  int limit_ = kRows;
};

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_WORKING_TABLE_H_
