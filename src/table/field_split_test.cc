#include "table/field_split.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/run_error.h"
#include "table/table_test_support.h"

namespace kestrelon {
namespace {

using testing_support::TestRun;

TEST(SplitFieldsTest, SplitsReactionRowsAtTheirFirstThreeBlanks) {
  struct Case {
    const char* line;
    const char* equation;
    const char* a;
    const char* n;
    const char* ea;
  } cases[] = {
      {"H+O2<=>OH+O 3.547E+15 -0.406 16599.0", "H+O2<=>OH+O", "3.547E+15",
       "-0.4060", "16599.0"},
      {"A+B|=>C 1.0E13 0 1000", "A+B|=>C", "1.000E+13", "0.0000", "1000"},
      // Fields after the third blank stay with Ea, blank included.
      {"A<=>B 2.0E12 1.5 1000.0 2000.0", "A<=>B", "2.000E+12", "1.5000",
       "1000.0 2000.0"},
      {"A<=>B 2.0E12/ -1.5 15000.0/", "A<=>B", "2.000E+12", "-1.5000",
       "15000.0/"},
      {"A<=>B X Y Z", "A<=>B", "0.000E+00", "0.0000", "Z"},
      {"A<=>B 6.0221D23 2.675 0", "A<=>B", "6.022E+23", "2.6750", "0"},
      {"A<=>B 1.5E123 -0.00001 0", "A<=>B", "1.500E+123", "0.0000", "0"},
  };
  for (const Case& c : cases) {
    TestRun run;
    run.SetReactionSection({c.line});
    SplitFields(run.ctx, ReactionRows(run.ctx.vars.index));
    EXPECT_EQ(run.Cell(2, 1), c.line);
    EXPECT_EQ(run.Cell(2, 2), c.equation) << c.line;
    EXPECT_EQ(run.Cell(2, 9), c.a) << c.line;
    EXPECT_EQ(run.Cell(2, 10), c.n) << c.line;
    EXPECT_EQ(run.Cell(2, 11), c.ea) << c.line;
  }
}

TEST(SplitFieldsTest, UsesTheRunsPatterns) {
  TestRun run;
  run.ctx.patterns.a = {true, 1};
  run.ctx.patterns.n = {false, 2};
  run.SetReactionSection({"A<=>B 6.02E-5 2.675 1"});
  SplitFields(run.ctx, ReactionRows(run.ctx.vars.index));
  EXPECT_EQ(run.Cell(2, 9), "6.0E-05");
  EXPECT_EQ(run.Cell(2, 10), "2.68");
}

TEST(SplitFieldsTest, TaggedRowsGetTheSkipMarkOnly) {
  TestRun run;
  run.SetReactionSection({"#DATAUX#LOW / 1 2 3 /", "#NER#A+B+C+D<=>E 1 2 3"});
  SplitFields(run.ctx, ReactionRows(run.ctx.vars.index));
  for (int row : {2, 3}) {
    EXPECT_EQ(run.Cell(row, 2), "####");
    for (int column = 3; column <= 12; ++column) {
      EXPECT_EQ(run.Cell(row, column), "") << row << "/" << column;
    }
  }
}

TEST(SplitFieldsTest, FailuresNameTheInputLine) {
  struct Case {
    const char* line;
    const char* want;
  } cases[] = {
      // Row 3 came from input line 7.
      {"A<=>B 1 2", "mech.inp:7: reaction has fewer than three coefficients"},
      {"A<=>B 1", "mech.inp:7: reaction has fewer than three coefficients"},
      {"A<=>B 1E400 0 0", "mech.inp:7: number out of range"},
      {"A<=>B 1 -1D999 0", "mech.inp:7: number out of range"},
  };
  for (const Case& c : cases) {
    TestRun run;
    run.SetReactionSection({"H+O2<=>OH+O 1 2 3", c.line});
    try {
      SplitFields(run.ctx, ReactionRows(run.ctx.vars.index));
      ADD_FAILURE() << "accepted: " << c.line;
    } catch (const RunError& e) {
      EXPECT_EQ(e.Describe(), c.want) << c.line;
    }
    // The failing row is left as it was.
    EXPECT_EQ(run.Cell(3, 2), "") << c.line;
    EXPECT_EQ(run.Cell(3, 9), "") << c.line;
  }
}

}  // namespace
}  // namespace kestrelon
