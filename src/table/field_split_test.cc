#include "table/field_split.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

using testing_support::TestRun;

TEST(SplitFieldsTest, SplitsReactionRowsAtTheirFirstThreeBlanks) {
  struct Case {
    const char *line, *equation, *a, *n, *ea;
  } cases[] = {
      // A field without a number prints as zero.
      {"A<=>B 2.0E12/ -1.5 15000.0/", "A<=>B", "2.000E+12", "-1.5000",
       "15000.0/"},
      {"A<=>B X Y Z", "A<=>B", "0.000E+00", "0.0000", "Z"},
      {"A<=>B 6.0221D23 2.675 0", "A<=>B", "6.022E+23", "2.6750", "0"},
      // Tagged rows get the skip mark only.
      {"#DATAUX#LOW / 1 2 3 /", "####", "", "", ""},
      {"#NER#A+B+C+D<=>E 1 2 3", "####", "", "", ""},
  };
  TestRun run;
  std::vector<std::string> lines;
  for (const Case& c : cases) lines.push_back(c.line);
  run.SetReactionSection(lines);
  SplitFields(run.table, run.Reactions(), run.run.style.patterns,
              run.run.input);
  int row = 2;
  for (const Case& c : cases) {
    EXPECT_EQ(run.Cell(row, 1), c.line);
    EXPECT_EQ(run.Cell(row, 2), c.equation) << c.line;
    EXPECT_EQ(run.Cell(row, 9), c.a) << c.line;
    EXPECT_EQ(run.Cell(row, 10), c.n) << c.line;
    EXPECT_EQ(run.Cell(row++, 11), c.ea) << c.line;
  }
}

}  // namespace
}  // namespace kestrelon
