#include "table/reaction_passes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "platform/run_error.h"
#include "platform/text_file.h"
#include "table/element_species.h"
#include "table/load_table.h"
#include "table/table_test_support.h"

namespace kestrelon {
namespace {

using testing_support::ScratchDir;
using testing_support::TestRun;

constexpr const char* kSkipEquation = "####+####+####<=>####+####+####";

struct RowWant {
  const char* line;  // column 1
  const char* equation;
  const char* slots[6];
  const char* a;
  const char* n;
  const char* ea;
  const char* flag;
};

constexpr RowWant Skipped(const char* line) {
  return {line,
          kSkipEquation,
          {"####", "####", "####", "####", "####", "####"},
          "",
          "",
          "",
          ""};
}

TEST(NormaliseReactionsTest, EveryColumnOfAReactionSection) {
  TestRun run;
  run.SetReactionSection({
      "H + O2 = OH + O   3.547E+15  -0.406  16599.0",
      "2CH3(+M)=C2H6(+M)  9.21E16 -1.17 635.8",
      "LOW  /  1.135E36  -5.246  1705.0 /",
      "TROE/ 0.405 1120.0 69.6 1.0E+15 /",
      "H2/2.0/ H2O/6.0/",
      "A+2B=C 1.0E13 0 0",
      "A + B => C 2.0E12 0.5 1000.0",
      "DUP",
      "A+B+C+D=E 1 2 3",
      "A + B + C(+M) = D (+M) 1 2 3",
      "H+O2+M=HO2+M 3.0E18 -0.8 0.0 9.9",
  });
  NormaliseReactions(run.ctx);

  const RowWant want[] = {
      {"H+O2<=>OH+O 3.547E+15 -0.406 16599.0",
       "H+O2<=>OH+O",
       {"///", "H", "O2", "OH", "O", "///"},
       "3.547E+15",
       "-0.4060",
       "16599.0",
       ""},
      {"2CH3+(M)<=>C2H6+(M) 9.21E16 -1.17 635.8",
       "CH3+CH3+(M)<=>C2H6+(M)",
       {"CH3", "CH3", "(M)", "C2H6", "(M)", "///"},
       "9.210E+16",
       "-1.1700",
       "635.8",
       ""},
      Skipped("#DATAUX#LOW / 1.135E36 -5.246 1705.0 /"),
      Skipped("#DATAUX#TROE/ 0.405 1120.0 69.6 1.0E+15 /"),
      Skipped("#DATAUX#H2/2.0/ H2O/6.0/"),
      {"A+2B<=>C 1.0E13 0 0",
       "B+A+B<=>C",
       {"B", "A", "B", "C", "///", "///"},
       "1.000E+13",
       "0.0000",
       "0",
       ""},
      {"A+B|=>C 2.0E12 0.5 1000.0",
       "A+B=>C",
       {"///", "A", "B", "C", "///", "///"},
       "2.000E+12",
       "0.5000",
       "1000.0",
       "Irr"},
      Skipped("#DATAUX#DUP"),
      Skipped("#NER#A+B+C+D<=>E 1 2 3"),
      Skipped("#NER#A+B+C+(M)<=>D+(M) 1 2 3"),
      {"H+O2+M<=>HO2+M 3.0E18 -0.8 0.0 9.9",
       "H+O2+M<=>HO2+M",
       {"H", "O2", "M", "HO2", "M", "///"},
       "3.000E+18",
       "-0.8000",
       "0.0 9.9",
       ""},
  };
  for (int i = 0; i < static_cast<int>(std::size(want)); ++i) {
    const int row = i + 2;
    const RowWant& w = want[i];
    EXPECT_EQ(run.Cell(row, 1), w.line) << "row " << row;
    EXPECT_EQ(run.Cell(row, 2), w.equation) << "row " << row;
    for (int s = 0; s < 6; ++s) {
      EXPECT_EQ(run.Cell(row, 3 + s), w.slots[s]) << "row " << row;
    }
    EXPECT_EQ(run.Cell(row, 9), w.a) << "row " << row;
    EXPECT_EQ(run.Cell(row, 10), w.n) << "row " << row;
    EXPECT_EQ(run.Cell(row, 11), w.ea) << "row " << row;
    EXPECT_EQ(run.Cell(row, 12), w.flag) << "row " << row;
  }
  EXPECT_EQ(run.Cell(1, 1), "REACTIONS");
  EXPECT_EQ(run.Cell(1, 2), "");
  EXPECT_EQ(run.Cell(13, 1), "END");
  EXPECT_EQ(run.Cell(13, 2), "");
  EXPECT_EQ(run.ui.log, std::vector<std::string>{"progress 80"});
}

TEST(NormaliseReactionsTest, EmptySectionDoesNothing) {
  TestRun run;
  run.SetReactionSection({});
  NormaliseReactions(run.ctx);
  EXPECT_EQ(run.Cell(1, 1), "REACTIONS");
  EXPECT_EQ(run.Cell(2, 1), "END");
  EXPECT_EQ(run.Cell(2, 2), "");
  EXPECT_EQ(run.ui.progress, 80);
}

TEST(NormaliseReactionsTest, FailuresNameTheInputLine) {
  struct Case {
    std::initializer_list<const char*> lines;
    const char* want;
    bool reached_80;
  } cases[] = {
      // Rows 2, 3 and 4 came from input lines 5, 7 and 9.
      {{"A=B 1 2 3", "A=B"},
       "mech.inp:7: reaction has fewer than three coefficients",
       false},
      {{"A=B 1 2 3", "OH + H2 O = B 1 2 3"},
       "mech.inp:7: blank inside an equation",
       false},
      // Each step passes over every row before the next begins.
      {{"A=B 1 2", "A B=C 1 2 3"},
       "mech.inp:7: blank inside an equation",
       false},
      {{"A=B 1 2 3", "DUP", "A=B 1 2"},
       "mech.inp:9: reaction has fewer than three coefficients",
       true},
      {{"A=B 1 2 3", "A=B 1E400 2 3"}, "mech.inp:7: number out of range", true},
  };
  for (const Case& c : cases) {
    TestRun run;
    run.SetReactionSection(c.lines);
    try {
      NormaliseReactions(run.ctx);
      ADD_FAILURE() << "accepted: " << c.want;
    } catch (const RunError& e) {
      EXPECT_EQ(e.Describe(), c.want);
    }
    EXPECT_EQ(run.ui.progress == 80, c.reached_80) << c.want;
  }
}

// A mechanism that fills the whole table, through the load and every
// analysis pass. Run by hand with --gtest_also_run_disabled_tests.
TEST(AnalysisTimingTest, DISABLED_FullTableTakesAFewMilliseconds) {
  const char* reactions[] = {
      "H + O2 = OH + O   3.547E+15  -0.406  16599.0",
      "2CH3(+M)=C2H6(+M)  9.21E16 -1.17 635.8",
      "LOW  /  1.135E36  -5.246  1705.0 /",
      "TROE/ 0.405 1120.0 69.6 1.0E+15 /",
      "H2/2.0/ H2O/6.0/ AR/0.7/",
      "HO2 + HO2 => H2O2 + O2  4.2E14 0.0 11982.0",
      "DUP",
      "OH+OH(+M)=H2O2(+M) 7.4E13 -0.37 0.0",
  };
  std::string text = "ELEMENTS\r\nH O N AR\r\nEND\r\nSPECIES\r\n";
  for (int i = 0; i < 100; ++i) text += "H2   O2  OH    H2O HO2 H2O2 N2 AR\r\n";
  text += "END\r\nREACTIONS\r\n";
  const int lines_before = 3 + 1 + 100 + 2;
  for (int line = lines_before + 1; line < 25999; ++line) {
    text += reactions[line % std::size(reactions)];
    text += "\r\n";
  }
  text += "END\r\n";

  ScratchDir dir;
  TestRun run(dir.dir());
  // Best of five rounds, for the whole and for each phase.
  using Clock = std::chrono::steady_clock;
  auto ms = [](Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
  };
  double best_ms = 1e9, load_ms = 1e9, lists_ms = 1e9, reactions_ms = 1e9;
  for (int round = 0; round < 5; ++round) {
    run.ctx.table.Clear();
    WriteFile(dir.dir() + kTempo3, text);
    const Clock::time_point t0 = Clock::now();
    LoadTable(run.ctx);
    const Clock::time_point t1 = Clock::now();
    NormaliseElementsAndSpecies(run.ctx);
    const Clock::time_point t2 = Clock::now();
    NormaliseReactions(run.ctx);
    const Clock::time_point t3 = Clock::now();
    best_ms = std::min(best_ms, ms(t0, t3));
    load_ms = std::min(load_ms, ms(t0, t1));
    lists_ms = std::min(lists_ms, ms(t1, t2));
    reactions_ms = std::min(reactions_ms, ms(t2, t3));
  }
  EXPECT_EQ(run.ctx.vars.index.reacend, 25999);
  EXPECT_EQ(run.Cell(25998, 2).empty(), false);
  std::printf(
      "25,999 lines: %.1f ms (load %.1f, lists %.1f, reactions %.1f; best "
      "of 5)\n",
      best_ms, load_ms, lists_ms, reactions_ms);
  EXPECT_LT(best_ms, 200.0);
}

}  // namespace
}  // namespace kestrelon
