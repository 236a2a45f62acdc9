#include "table/element_species.h"

#include <gtest/gtest.h>

#include <string>

#include "table/table_test_support.h"

namespace kestrelon {
namespace {

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

TEST(WidenSeparatorsTest, EveryEighteenBlanksOrLessGiveThree) {
  struct Case {
    std::string text, want;
  } cases[] = {
      {"H O", "H   O"},
      {"H" + Blanks(18) + "O", "H   O"},
      {"H" + Blanks(19) + "O", "H" + Blanks(6) + "O"},
      {"H" + Blanks(20) + "O", "H" + Blanks(6) + "O"},
      {"H" + Blanks(37) + "O", "H" + Blanks(9) + "O"},
      // Atomic weights and held commas stay; a comma is a separator itself.
      {"D/2.014/ A;B", "D/2.014/   A;B"},
      {"A , B", "A         B"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WidenSeparators(c.text), c.want) << '"' << c.text << '"';
  }
}

TEST(NormaliseElementsAndSpeciesTest, RewritesOnlyTheTwoLists) {
  testing_support::TestRun run;
  const char* rows[] = {"",    "ELEMENTS",  "H O",
                        "END", "SPECIES",   "H2 O2  H2O",
                        "END", "REACTIONS", "A + B = C 1 2 3"};
  for (int row = 1; row <= 8; ++row) run.ctx.table.Set(row, 1, rows[row]);
  run.ctx.vars.index = {1, 3, 4, 6, 7, 9};
  NormaliseElementsAndSpecies(run.ctx);
  rows[2] = "H   O";
  rows[5] = "H2   O2   H2O";
  for (int row = 1; row <= 8; ++row) {
    EXPECT_EQ(run.Cell(row, 1), rows[row]) << "row " << row;
  }
  EXPECT_EQ(run.ui.log,
            (std::vector<std::string>{"progress 60", "progress 70"}));
}

}  // namespace
}  // namespace kestrelon
