#include "table/reaction_passes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

using testing_support::TestRun;

// Columns 1 to 12 of a row, joined with "|".
std::string Row(const TestRun& run, int row) {
  std::string text = run.Cell(row, 1);
  for (int column = 2; column <= 12; ++column) {
    text += "|" + run.Cell(row, column);
  }
  return text;
}

// Both calls of the reaction passes over the reaction section.
void Analyse(TestRun& run) {
  NormaliseAndFlag(run.table, run.Reactions(), run.run.input);
  SplitAndFillSlots(run.table, run.Reactions(), run.run.style.patterns,
                    DeclaredSpecies(), run.run.input);
}

// The same in one call, row by row (on two threads for a large section);
// returns the rows of the non-elementary reactions.
std::vector<int> AnalyseAtOnce(TestRun& run) {
  return RunReactionPasses(run.table, run.Reactions(), run.run.style.patterns,
                           DeclaredSpecies(), run.run.input);
}

// `lines` repeated to `rows` lines: large enough for two threads.
std::vector<std::string> Repeated(const std::vector<std::string>& lines,
                                  size_t rows) {
  std::vector<std::string> out;
  while (out.size() < rows) out.push_back(lines[out.size() % lines.size()]);
  return out;
}

TEST(NormaliseReactionsTest, EveryColumnOfAReactionSection) {
  const std::string skip =
      "|####+####+####<=>####+####+####|####|####|####|####|####|####||||";
  const std::string want[] = {
      "H+O2<=>OH+O 3.547E+15 -0.406 16599.0|H+O2<=>OH+O|///|H|O2|OH|O|///|"
      "3.547E+15|-0.4060|16599.0|",
      "2CH3+(M)<=>C2H6+(M) 9.21E16 -1.17 635.8|CH3+CH3+(M)<=>C2H6+(M)|CH3|"
      "CH3|(M)|C2H6|(M)|///|9.210E+16|-1.1700|635.8|",
      "#DATAUX#LOW / 1.135E36 -5.246 1705.0 /" + skip,
      "A+2B<=>C 1.0E13 0 0|B+A+B<=>C|B|A|B|C|///|///|1.000E+13|0.0000|0|",
      "A+B|=>C 2.0E12 0.5 1000.0|A+B=>C|///|A|B|C|///|///|2.000E+12|0.5000|"
      "1000.0|Irr",
      "#DATAUX#DUP" + skip,
      "#NER#A+B+C+D<=>E 1 2 3" + skip,
  };
  const std::vector<std::string> lines = {
      "H + O2 = OH + O   3.547E+15  -0.406  16599.0",
      "2CH3(+M)=C2H6(+M)  9.21E16 -1.17 635.8",
      "LOW  /  1.135E36  -5.246  1705.0 /",
      "A+2B=C 1.0E13 0 0",
      "A + B => C 2.0E12 0.5 1000.0",
      "DUP",
      "A+B+C+D=E 1 2 3",
  };
  const auto analyse_at_once = [](TestRun& run) { AnalyseAtOnce(run); };
  for (const size_t rows : {size_t{7}, size_t{9100}}) {
    for (const auto analyse : {Analyse, +analyse_at_once}) {
      TestRun run;
      run.SetReactionSection(Repeated(lines, rows));
      analyse(run);
      for (int i = 0; i < static_cast<int>(rows); ++i) {
        ASSERT_EQ(Row(run, i + 2), want[i % 7]) << rows << " rows, row " << i;
      }
      EXPECT_EQ(Row(run, static_cast<int>(rows) + 2), "END|||||||||||");
    }
    // The last line of every seven is non-elementary, in both halves.
    TestRun run;
    run.SetReactionSection(Repeated(lines, rows));
    std::vector<int> listed;
    for (int i = 6; i < static_cast<int>(rows); i += 7) listed.push_back(i + 2);
    EXPECT_EQ(AnalyseAtOnce(run), listed) << rows << " rows";
  }
}

TEST(NormaliseReactionsTest, FailuresNameTheInputLine) {
  struct Case {
    std::vector<std::string> lines;
    const char* want;
    bool in_second_call;
  } cases[] = {
      // Rows 2, 3 and 4 came from input lines 5, 7 and 9. Each step passes
      // over every row before the next begins.
      {{"A=B 1 2", "A B=C 1 2 3"},
       "mech.inp:7: blank inside an equation",
       false},
      {{"A=B 1 2 3", "DUP", "A=B 1 2"},
       "mech.inp:9: reaction has fewer than three coefficients",
       true},
      {{"A=B 1 2 3", "A=B 1E400 2 3"}, "mech.inp:7: number out of range", true},
      // A fourth field would be read into Ea ("16800. 5.0" as 16800.5).
      {{"A=B 1 2 3", "A=B 1 0 16800. 5.0"},
       "mech.inp:7: reaction has more than three coefficients after its "
       "equation",
       true},
      {{"A=B 1 2 3", "#DATAUX#C=>D 1 2 3"},
       "mech.inp:7: line begins with \"#DATAUX#\", a mark the cleaner gives "
       "lines of its own; remove it",
       false},
  };
  for (const Case& c : cases) {
    {
      TestRun run;
      run.SetReactionSection(c.lines);
      EXPECT_EQ(testing_support::ErrorOf([&] { AnalyseAtOnce(run); }), c.want);
    }
    TestRun run;
    run.SetReactionSection(c.lines);
    bool second = false;
    EXPECT_EQ(testing_support::ErrorOf([&] {
                NormaliseAndFlag(run.table, run.Reactions(), run.run.input);
                second = true;
                SplitAndFillSlots(run.table, run.Reactions(),
                                  run.run.style.patterns, DeclaredSpecies(),
                                  run.run.input);
              }),
              c.want);
    EXPECT_EQ(second, c.in_second_call) << c.want;
  }
}

TEST(NormaliseReactionsTest, AtOnceOnTwoThreadsFailsWhereOneStepAfterAnother) {
  // Row r comes from input line 2r + 1; rows 2 to 4501, split in the middle
  // at row 2251. The step that comes first fails first, then the lower row.
  const std::string flag = "A B=C 1 2 3";     // fails in the line steps
  const std::string split = "A=B 1 2";        // fails in the field split
  const std::string mark = "#NER#A=B 1 2 3";  // fails before any step
  const std::string marked =
      ": line begins with \"#NER#\", a mark the cleaner gives lines of its "
      "own; remove it";
  struct Case {
    std::vector<std::pair<int, std::string>> bad;  // rows and their lines
    std::string want;
  } cases[] = {
      {{{100, split}, {4000, flag}}, "mech.inp:8001: blank inside an equation"},
      {{{100, flag}, {4000, split}}, "mech.inp:201: blank inside an equation"},
      {{{3000, split}, {4400, split}},
       "mech.inp:6001: reaction has fewer than three coefficients"},
      {{{2000, split}, {3000, split}},
       "mech.inp:4001: reaction has fewer than three coefficients"},
      {{{4500, flag}}, "mech.inp:9001: blank inside an equation"},
      // The check for marks comes before every step.
      {{{100, flag}, {4400, mark}}, "mech.inp:8801" + marked},
      {{{3000, flag}, {4400, mark}}, "mech.inp:8801" + marked},
      {{{100, mark}, {4000, mark}}, "mech.inp:201" + marked},
      {{{3000, split}, {3100, flag}, {4400, mark}}, "mech.inp:8801" + marked},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = Repeated({"A+B=C+D 1 2 3"}, 4500);
    for (const auto& [row, line] : c.bad) lines[row - 2] = line;
    TestRun run;
    run.SetReactionSection(lines);
    EXPECT_EQ(testing_support::ErrorOf([&] { AnalyseAtOnce(run); }), c.want);
  }
}

TEST(NormaliseReactionsTest, AFailedFlagLeavesEveryLineNormalised) {
  // The spacing steps and the flagging share one pass over the rows; when
  // the flagging fails, the rows after the failing one are still spaced,
  // as they are when every step passes over all rows before the next.
  TestRun run;
  run.SetReactionSection({"A = B 1 2 3", "A B=C 1 2 3", "C = D  4 5 6"});
  EXPECT_EQ(testing_support::ErrorOf([&] { Analyse(run); }),
            "mech.inp:7: blank inside an equation");
  EXPECT_EQ(run.Cell(2, 1), "A<=>B 1 2 3");
  EXPECT_EQ(run.Cell(3, 1), "A B<=>C 1 2 3");
  EXPECT_EQ(run.Cell(4, 1), "C<=>D 4 5 6");
}

}  // namespace
}  // namespace kestrelon
