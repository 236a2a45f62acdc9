// WorkingTable holds a mechanism one line per row while a run analyses it:
// up to 26,000 rows by 13 columns of text, rows 1 to 25,999 and columns 1 to
// 12 in use (row 0 and column 0 exist and stay empty), or as many rows as
// AllowRows lets a permissive run have. A cell never written holds the
// empty string. Only the rows written take memory: loading a mechanism
// sizes the table to its lines, and a row written past them grows it; rows
// past the last one written read as empty.
//
// The cells of a row share one block of memory (a 32-byte row header and
// the texts one after another), so a table of 26,000 mostly short cells
// takes a few megabytes rather than 338,000 strings. Column 0 holds no
// text: writing one there throws like a cell outside the table. A view returned
// by Get or Cell stays valid until that row is next written; to edit a cell in
// place, take a copy (Edit does this with a buffer the caller keeps).
//
// Whoever runs owns the table: the window keeps one and shows it in its
// grid, the command line makes one per run. Reading or writing outside the
// table throws RunError.
#ifndef KESTRELON_MODEL_WORKING_TABLE_H_
#define KESTRELON_MODEL_WORKING_TABLE_H_

#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

class WorkingTable {
 public:
  static constexpr int kRows = 26000;
  static constexpr int kColumns = 13;
  static constexpr int kLastDataRow = kRows - 1;

  WorkingTable() = default;
  WorkingTable(const WorkingTable&) = delete;
  WorkingTable& operator=(const WorkingTable&) = delete;
  ~WorkingTable() { Clear(); }

  // Checked access; throws RunError("working table has no cell ...").
  std::string_view Get(int row, int column) const {
    if (Outside(row, column)) ThrowOutside(row, column);
    if (row >= rows_in_use()) return {};
    return Cell(row, column);
  }
  void Set(int row, int column, std::string_view text) {
    SetRange(row, column, std::span<const std::string_view>(&text, 1));
  }
  // Writes `texts` into the cells from `first_column` on, at once.
  void SetRange(int row, int first_column,
                std::span<const std::string_view> texts);

  // Memory for the rows one thread writes with ReplaceRow: their blocks
  // are cut from stretches of 256 KiB, each asked of the system whole (a
  // page given on its first write costs about twice as much) and let go
  // once the last row cut from it is. The rows stay in the table when the
  // pool goes; a pool is used by one thread at a time.
  class RowPool {
   public:
    RowPool() = default;
    ~RowPool();
    RowPool(const RowPool&) = delete;
    RowPool& operator=(const RowPool&) = delete;

   private:
    friend class WorkingTable;
    char* Take(size_t size, WorkingTable& table);

    char* stretch_ = nullptr;
    size_t used_ = 0;
  };

  // Hands the table the memory of `text`, which its owner is done with:
  // the pools cut their stretches from it before asking the system for
  // new ones (its pages are in the process already). It is let go once no
  // row cut from it is left and DropDonatedMemory() (or Clear()) has let go
  // of the stretches no pool took. Safe beside pools at work.
  void DonateRowMemory(std::string text);
  void DropDonatedMemory();

  // Writes every cell of the row, columns 1 to 12, as SetRange would, but
  // into a new block cut from `pool`; the row's old block goes to
  // `released` instead of being let go. Threads writing rows of their own
  // use it: a block let go by another thread than the one that took it
  // locks the memory of the table's thread for each row, the threads then
  // taking turns. The row must be below rows_in_use().
  void ReplaceRow(int row, std::span<const std::string_view> texts,
                  std::vector<char*>& released, RowPool& pool);
  // Lets go of the blocks ReplaceRow set aside.
  static void Release(std::vector<char*>& released);

  // Copies the cell into `buffer`, lets `edit` change it there and writes
  // it back: the buffer keeps its storage from row to row.
  template <typename EditFn>
  void Edit(int row, int column, std::string& buffer, EditFn&& edit) {
    buffer.assign(Get(row, column));
    edit(buffer);
    Set(row, column, buffer);
  }

  // Makes room for rows 0 to `rows` - 1 at once (at most the row limit).
  void Grow(int rows);

  // Lets the table hold rows 0 to `rows` - 1 when that is more than kRows
  // (a permissive run of a larger input); Clear brings the limit back.
  void AllowRows(int rows) {
    if (rows > limit_) limit_ = rows;
  }

  // Unchecked read of a row below rows_in_use().
  std::string_view Cell(int row, int column) const {
    const Row& r = rows_[static_cast<size_t>(row)];
    if (column == 0) return {};
    if (r.size[0] == kWide) return WideCell(r, column);
    uint32_t at = 0;
    for (int c = 1; c < column; ++c) at += r.size[c - 1];
    return std::string_view(r.data + at, r.size[column - 1]);
  }

  // Every cell of `row` becomes empty and its memory is let go.
  void ReleaseRow(int row);

  // `row`, below rows_in_use(), holds `text` in column 1 alone, read
  // without a copy: the caller keeps the text unchanged until the row is
  // written again, released or cleared, or EndLoans() is called. A text of
  // 65,535 bytes or more is copied.
  void Lend(int row, std::string_view text);
  // Every row still reading a lent text becomes empty.
  void EndLoans();

  // Every cell becomes empty; the table holds no row.
  void Clear();

  // One past the highest row written since the last clear (0 when empty).
  int rows_in_use() const { return static_cast<int>(rows_.size()); }

 private:
  // The sizes of columns 1 to 12. A row with a cell of 65,535 bytes or
  // more is wide: size[0] says so, and its block begins with the sizes as
  // 32-bit numbers.
  struct Row {
    char* data = nullptr;  // the cells' texts, column 1 first
    uint16_t size[kColumns - 1] = {};
  };
  static constexpr uint16_t kWide = 0xFFFF;
  static constexpr size_t kWideHeader = sizeof(uint32_t) * (kColumns - 1);

  static std::string_view WideCell(const Row& r, int column);
  // Writes texts shorter than kWide in all into a narrow row.
  static void SetNarrow(Row& r, size_t capacity, int first_column,
                        std::span<const std::string_view> texts);
  // The sizes of columns 0 to 12 into `sizes`; whether the row is wide.
  static bool ReadSizes(const Row& r, uint32_t* sizes);
  // The bytes of the row's block its cells take, with a wide row's sizes.
  static size_t UsedBytes(const Row& r);

  bool Outside(int row, int column) const {
    return static_cast<unsigned>(row) >= static_cast<unsigned>(limit_) ||
           static_cast<unsigned>(column) >= static_cast<unsigned>(kColumns);
  }
  [[noreturn]] void ThrowOutside(int row, int column) const;
  void SetCopies(int row, int first_column,
                 std::span<const std::string_view> texts);

  // Whether the row's column 1 is a lent text (one byte a row, so that
  // threads writing rows of their own never share one); empty when no row
  // is.
  bool Lent(int row) const {
    return !lent_.empty() && lent_[static_cast<size_t>(row)] != 0;
  }
  // Makes a lent row's text the row's own.
  void OwnLentRow(int row);

  // The stretches of memory handed over that no pool has taken.
  char* TakeDonatedStretch();
  std::mutex donated_lock_;
  std::vector<char*> donated_;

  std::vector<Row> rows_;
  std::vector<unsigned char> lent_;
  int limit_ = kRows;
};

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_WORKING_TABLE_H_
