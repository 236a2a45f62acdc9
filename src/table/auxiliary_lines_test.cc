#include "table/auxiliary_lines.h"

#include <gtest/gtest.h>

#include "model/run_warning.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

TEST(AuxiliaryLinesTest, KnownLines) {
  struct Case {
    const char* text;
    bool known;
  } cases[] = {
      {"LOW / 1.0E+16 0.0 500.0 /", true},
      {"LOW/1 2 3/", true},
      {"DUPLICATE", true},
      {"CHEB / 7 3 /", true},
      {"FIT1 / 1 2 3 4 /", true},
      {"H2/2.0/ H2O/6.0/", true},
      {"H2 / 2.0 / AR/.7/ CO2/3.8D0/", true},
      {"C2H5OH;2/1.5/", true},
      // A keyword's letters at the start of a longer word are no keyword.
      {"LOWER / 1 2 3 /", false},
      {"DUPS", false},
      {"A<->B 1.0 0.0 0.0", false},
      {"H2 O2 JUNK", false},
      {"H2/2.0", false},
      {"H2/X/", false},
      {"H2 O/2/", false},
      {"/2/", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsKnownAuxiliaryLine(c.text), c.known) << c.text;
  }
}

TEST(AuxiliaryLinesTest, WarningsNameTheLineAndItsReaction) {
  WorkingTable& table = testing_support::SharedTable();
  table.Clear();
  const char* lines[] = {"#DATAUX#JUNK",        "H+O2<=>OH+O 1 0 0",
                         "#DATAUX#DUP",         "#DATAUX#",
                         "#DATAUX#A<->B 1 2 3", "#NER#A+B+C+D<=>E 1 0 0",
                         "#DATAUX#X Y",         "|=>OH 1 0 0"};
  for (int r = 0; r < 8; ++r) table.Set(r + 1, kLineColumn, lines[r]);
  const InputLines input{"m.inp", {10, 12, 13, 14, 15, 17, 18, 20}};
  std::vector<std::string> got;
  for (const RunWarning& w : UnknownAuxiliaryLines(table, {1, 8}, input)) {
    got.push_back(FormatWarning(w));
  }
  const std::string unknown =
      "warning: neither a reaction nor a known auxiliary line: kept as "
      "auxiliary data";
  EXPECT_EQ(
      got,
      (std::vector<std::string>{
          "kestrelon: m.inp:10: " + unknown + ", with no reaction above it",
          "kestrelon: m.inp:15: " + unknown + " of the reaction on line 12",
          "kestrelon: m.inp:18: " + unknown + " of the reaction on line 17",
          "kestrelon: m.inp:20: warning: equation without "
          "reactants: cleaned as written"}));
}

TEST(RunWarningTest, Forms) {
  EXPECT_EQ(FormatWarning("m.inp", 7, "x"), "kestrelon: m.inp:7: warning: x");
  EXPECT_EQ(FormatWarning("m.inp", 0, "x"), "kestrelon: m.inp: warning: x");
  EXPECT_EQ(FormatWarning("", 7, "x"), "kestrelon: warning: x");
}

}  // namespace
}  // namespace kestrelon
