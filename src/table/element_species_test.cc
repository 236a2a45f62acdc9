#include "table/element_species.h"

#include <gtest/gtest.h>

#include <string>

#include "table/table_test_support.h"

namespace kestrelon {
namespace {

using testing_support::TestRun;

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

TEST(WidenSeparatorsTest, EveryEighteenBlanksOrLessGiveThree) {
  struct Case {
    std::string text;
    std::string want;
  } cases[] = {
      {"H" + Blanks(1) + "O", "H   O"},
      {"H" + Blanks(2) + "O", "H   O"},
      {"H" + Blanks(3) + "O", "H   O"},
      {"H" + Blanks(17) + "O", "H   O"},
      {"H" + Blanks(18) + "O", "H   O"},
      {"H" + Blanks(19) + "O", "H" + Blanks(6) + "O"},
      {"H" + Blanks(20) + "O", "H" + Blanks(6) + "O"},
      {"H" + Blanks(36) + "O", "H" + Blanks(6) + "O"},
      {"H" + Blanks(37) + "O", "H" + Blanks(9) + "O"},
      {"H2 O2  N2", "H2   O2   N2"},
      {"CH4", "CH4"},
      {"", ""},
      // Atomic weights and held commas stay as written.
      {"D/2.014/ H", "D/2.014/   H"},
      {"A;B", "A;B"},
      // A comma is a separator piece of its own.
      {"A,B", "A   B"},
      {"A , B", "A         B"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WidenSeparators(c.text), c.want) << '"' << c.text << '"';
  }
}

TEST(NormaliseElementsAndSpeciesTest, RewritesOnlyTheTwoLists) {
  TestRun run;
  const char* rows[] = {"",
                        "ELEMENTS",
                        "H O",
                        "N  AR",
                        "END",
                        "SPECIES",
                        "H2 O2  H2O",
                        "OH",
                        "END",
                        "REACTIONS",
                        "A + B = C 1 2 3",
                        "END"};
  for (int row = 1; row <= 11; ++row) run.ctx.table.Set(row, 1, rows[row]);
  run.ctx.vars.index = {1, 4, 5, 8, 9, 11};
  NormaliseElementsAndSpecies(run.ctx);

  const char* want[] = {"",    "ELEMENTS",  "H   O",           "N   AR",
                        "END", "SPECIES",   "H2   O2   H2O",   "OH",
                        "END", "REACTIONS", "A + B = C 1 2 3", "END"};
  for (int row = 1; row <= 11; ++row) {
    EXPECT_EQ(run.Cell(row, 1), want[row]) << "row " << row;
  }
  EXPECT_EQ(run.ui.log,
            (std::vector<std::string>{"progress 60", "progress 70"}));
}

TEST(NormaliseElementsAndSpeciesTest, EmptyRangesAreSkipped) {
  TestRun run;
  const char* rows[] = {"", "ELEMENTS", "END", "SPECIES", "END"};
  for (int row = 1; row <= 4; ++row) run.ctx.table.Set(row, 1, rows[row]);
  run.ctx.vars.index = {1, 2, 3, 4, 0, 0};
  NormaliseElementsAndSpecies(run.ctx);
  for (int row = 1; row <= 4; ++row) {
    EXPECT_EQ(run.Cell(row, 1), rows[row]) << "row " << row;
  }
  EXPECT_EQ(run.ui.progress, 70);
}

}  // namespace
}  // namespace kestrelon
