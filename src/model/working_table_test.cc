#include "model/working_table.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "model/run_error.h"

namespace kestrelon {
namespace {

std::string Row(const WorkingTable& table, int row) {
  std::string joined;
  for (int c = 0; c < WorkingTable::kColumns; ++c) {
    if (c > 0) joined += "|";
    joined += table.Get(row, c);
  }
  return joined;
}

// The cells of a row share one block: writing one cell, longer or shorter,
// in any order, must leave its neighbours as they were.
TEST(WorkingTableTest, CellsOfARowKeepTheirTextsWhateverIsWrittenBeside) {
  WorkingTable table;
  table.Set(3, 1, "A+B<=>C 1.0 0 0");
  table.Set(3, 12, "IRR");
  table.Set(3, 2, "A+B<=>C");
  EXPECT_EQ(Row(table, 3), "|A+B<=>C 1.0 0 0|A+B<=>C||||||||||IRR");
  table.Set(3, 1, "");                     // shorter: the rest moves down
  table.Set(3, 9, std::string(200, 'x'));  // past the room the row had
  table.Set(3, 2, "H2");
  EXPECT_EQ(Row(table, 3), "||H2|||||||" + std::string(200, 'x') + "|||IRR");
  EXPECT_EQ(Row(table, 2), "||||||||||||");
  EXPECT_EQ(table.rows_in_use(), 4);
}

// A cell written from a view of its own row: the view points into the block
// that the write moves.
TEST(WorkingTableTest, ACellCanBeWrittenFromItsOwnRow) {
  WorkingTable table;
  table.Set(1, 1, "H2+O2<=>2OH 1 2 3");
  table.Set(1, 5, "X");
  table.Set(1, 2, table.Get(1, 1).substr(0, 11));  // room to spare
  table.Set(1, 3, table.Get(1, 1));                // moves the block
  table.Set(1, 1, table.Get(1, 1).substr(12));     // shrinks in place
  EXPECT_EQ(Row(table, 1), "|1 2 3|H2+O2<=>2OH|H2+O2<=>2OH 1 2 3||X|||||||");
  std::string buffer;
  table.Edit(1, 5, buffer, [](std::string& s) { s += "Y"; });
  EXPECT_EQ(table.Get(1, 5), "XY");
}

TEST(WorkingTableTest, ARangeOfCellsIsWrittenAtOnce) {
  WorkingTable table;
  table.Set(2, 1, "H2+O2<=>2OH 1 2 3");
  table.Set(2, 9, "A");
  const std::string_view three[] = {"x", table.Get(2, 1).substr(0, 5), ""};
  table.SetRange(2, 7, three);  // one of them from the row itself
  EXPECT_EQ(Row(table, 2), "|H2+O2<=>2OH 1 2 3||||||x|H2+O2||||");
  EXPECT_THROW(table.SetRange(2, 11, three), RunError);  // past column 12
  EXPECT_EQ(Row(table, 2), "|H2+O2<=>2OH 1 2 3||||||x|H2+O2||||");
}

// Past 65,534 bytes a cell's size no longer fits the row header's short
// sizes (a species line of a million characters cleans).
TEST(WorkingTableTest, CellsOfAnySize) {
  WorkingTable table;
  const std::string huge(70000, 'S');
  table.Set(4, 2, "A<=>B");
  table.Set(4, 1, huge);
  table.Set(4, 12, "IRR");
  EXPECT_EQ(Row(table, 4), "|" + huge + "|A<=>B||||||||||IRR");
  table.Set(4, 3, huge + "X");
  EXPECT_EQ(table.Get(4, 3).size(), 70001u);
  EXPECT_EQ(table.Get(4, 12), "IRR");
  table.Set(4, 1, "short");
  table.Set(4, 3, "");  // no wide cell left
  EXPECT_EQ(Row(table, 4), "|short|A<=>B||||||||||IRR");
  EXPECT_THROW(table.Set(4, 0, "x"), RunError);  // column 0 holds no text
}

TEST(WorkingTableTest, LimitsGrowthAndClear) {
  WorkingTable table;
  EXPECT_EQ(table.Get(25999, 12), "");  // never written, no memory taken
  EXPECT_EQ(table.rows_in_use(), 0);
  table.Set(25999, 12, "END");
  EXPECT_EQ(table.rows_in_use(), 26000);
  EXPECT_THROW(table.Set(26000, 1, "A"), RunError);
  EXPECT_THROW(table.Get(1, 13), RunError);
  EXPECT_THROW(table.Get(-1, 1), RunError);
  table.AllowRows(60000);
  table.Set(59999, 1, "END");
  EXPECT_EQ(table.Get(59999, 1), "END");
  table.Clear();
  EXPECT_EQ(table.rows_in_use(), 0);
  EXPECT_EQ(table.Get(25999, 12), "");
  EXPECT_THROW(table.Set(26000, 1, "A"), RunError);  // the limit is back
}

TEST(WorkingTableTest, AReleasedRowReadsEmptyAndCanBeWrittenAgain) {
  WorkingTable table;
  const std::string_view cells[] = {"A", "B", "C", "D", "E", "F",
                                    "G", "H", "I", "J", "K", "L"};
  table.SetRange(1, 1, cells);
  table.Set(2, 3, "KEPT");
  table.ReleaseRow(1);
  table.ReleaseRow(7);  // past the rows written: nothing to let go
  EXPECT_EQ(Row(table, 1), "||||||||||||");
  EXPECT_EQ(Row(table, 2), "|||KEPT|||||||||");
  EXPECT_EQ(table.rows_in_use(), 3);
  table.Set(1, 12, "AGAIN");
  EXPECT_EQ(Row(table, 1), "||||||||||||AGAIN");
}

// A lent row reads the caller's text until a write makes it the row's own;
// letting go of the table never lets go of a lent text.
TEST(WorkingTableTest, ALentRowReadsTheTextUntilWritten) {
  std::string text = "A+B<=>C 1 0 0|D+E<=>F 2 0 0|G<=>H 3 0 0|I<=>J 4 0 0";
  WorkingTable table;
  table.Grow(6);
  table.Set(1, 2, "OLD");
  for (int row = 1; row <= 4; ++row) {
    table.Lend(row, std::string_view(text).substr(
                        static_cast<size_t>(row - 1) * 14, 13));
  }
  EXPECT_EQ(Row(table, 1), "|A+B<=>C 1 0 0|||||||||||");  // OLD is gone
  table.Set(2, 9, "2.0");                                 // written: its own
  std::vector<char*> released;
  const std::string_view cells[] = {"G<=>H", "G<=>H", "G", "",  "",  "",
                                    "H",     "",      "3", "0", "0", ""};
  WorkingTable::RowPool pool;
  table.ReplaceRow(3, cells, released, pool);
  EXPECT_TRUE(released.empty());  // nothing of the lent text to let go
  table.ReleaseRow(4);
  text.assign(text.size(), 'X');  // the rows written hold their own texts
  EXPECT_EQ(Row(table, 2), "|D+E<=>F 2 0 0||||||||2.0|||");
  EXPECT_EQ(Row(table, 3), "|G<=>H|G<=>H|G||||H||3|0|0|");
  EXPECT_EQ(Row(table, 4), "||||||||||||");
  EXPECT_EQ(Row(table, 1), "|XXXXXXXXXXXXX|||||||||||");  // still lent
  table.EndLoans();
  EXPECT_EQ(Row(table, 1), "||||||||||||");
  table.Lend(5, text);
  const std::string wide(70000, 'W');
  table.Lend(1, wide);  // too long to lend: copied
  table.Clear();
  EXPECT_EQ(table.rows_in_use(), 0);
}

// Rows cut from pools outlive the pools and are let go in any order, some
// of them grown or written from their own cells first; rows are read back
// after every step. Two threads with a pool each write the rows, as the
// reaction steps do, cutting them from memory handed to the table before
// asking for more. The sanitizer build reads freed or leaked stretches.
TEST(WorkingTableTest, PooledRowsOutliveTheirPoolsAndAreLetGoInAnyOrder) {
  constexpr int kRows = 3000;  // some 200 bytes a row: several stretches
  const auto cells_of = [](int row) {
    std::vector<std::string> cells(WorkingTable::kColumns - 1);
    cells[0] = std::to_string(row) + std::string(180, 'L');
    cells[1] = "EQ" + std::to_string(row);
    cells[8] = "1.0E" + std::to_string(row % 7);
    if (row == 77) cells[0] = std::string(5000, 'B');  // too big to cut
    return cells;
  };
  const auto expected = [&cells_of](int row) {
    std::string joined;
    for (const std::string& c : cells_of(row)) joined += "|" + c;
    return joined;
  };
  WorkingTable table;
  table.Grow(kRows + 1);
  // Memory handed over goes to the pools first: two stretches' worth.
  std::string donated(600 * 1024, 'D');
  const char* const donated_begin = donated.data();
  const char* const donated_end = donated_begin + donated.capacity();
  table.DonateRowMemory(std::move(donated));
  const auto write = [&](int first, int step) {
    WorkingTable::RowPool pool;
    std::vector<char*> released;
    for (int row = first; row <= kRows; row += step) {
      const std::vector<std::string> cells = cells_of(row);
      const std::vector<std::string_view> views(cells.begin(), cells.end());
      table.ReplaceRow(row, views, released, pool);
    }
    WorkingTable::Release(released);
  };
  std::thread odd(write, 1, 2);
  write(2, 2);
  odd.join();
  for (int row = 1; row <= kRows; ++row)
    ASSERT_EQ(Row(table, row), expected(row));
  table.DropDonatedMemory();  // what no pool took
  int donated_rows = 0;
  for (int row = 1; row <= kRows; ++row) {
    const char* cell = table.Get(row, 2).data();
    donated_rows += cell >= donated_begin && cell < donated_end;
  }
  EXPECT_GT(donated_rows, 1000);

  table.Set(10, 3, std::string(300, 'G'));  // grows: moves out of the pool
  table.Set(11, 2, table.Get(11, 1));       // a view into the pooled row
  {
    // The last row of its stretch: moving it lets the stretch go.
    WorkingTable::RowPool alone;
    std::vector<char*> released;
    const std::string_view cells[] = {"ALONE", "", "", "", "", "",
                                      "",      "", "", "", "", ""};
    table.Grow(kRows + 2);
    table.ReplaceRow(kRows + 1, cells, released, alone);
  }
  table.Set(kRows + 1, 2, table.Get(kRows + 1, 1));
  EXPECT_EQ(Row(table, kRows + 1), "|ALONE|ALONE||||||||||");
  table.Set(12, 1, "");  // shrinks in place
  for (int row = kRows; row > kRows / 2; --row) table.ReleaseRow(row);
  for (int row = 13; row <= kRows / 2; row += 3) table.ReleaseRow(row);
  std::string row10 = expected(10);
  row10.replace(row10.find("|EQ10|") + 6, 0, std::string(300, 'G'));
  EXPECT_EQ(Row(table, 10), row10);
  EXPECT_EQ(Row(table, 11),
            "|" + cells_of(11)[0] + "|" + cells_of(11)[0] + "|||||||1.0E4|||");
  EXPECT_EQ(Row(table, 12), "||EQ12|||||||1.0E5|||");
  for (int row = 14; row <= kRows / 2; row += 3) {
    ASSERT_EQ(Row(table, row), expected(row));
  }
  EXPECT_EQ(Row(table, 13), "||||||||||||");
  table.Clear();
}

}  // namespace
}  // namespace kestrelon
