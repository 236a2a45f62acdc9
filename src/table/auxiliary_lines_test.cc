#include "table/auxiliary_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/run_warning.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

// The warnings about the lines that are not known ones, with the lines
// they name, are checked through whole runs: tests/messages_test.cc.
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

TEST(RunWarningTest, Forms) {
  EXPECT_EQ(FormatWarning("m.inp", 7, "x"), "kestrelon: m.inp:7: warning: x");
  EXPECT_EQ(FormatWarning("m.inp", 0, "x"), "kestrelon: m.inp: warning: x");
  EXPECT_EQ(FormatWarning("", 7, "x"), "kestrelon: warning: x");
}

// A large section is looked at in two halves side by side: lines at the
// start of the second half belong to the last reaction of the first.
TEST(UnknownAuxiliaryLinesTest, TheSecondHalfGoesOnFromTheFirst) {
  testing_support::TestRun run;
  std::vector<std::string> lines(4500, "A<=>B 1 0 0");
  lines[0] = "#DATAUX#DUP";     // row 2, input line 5
  lines[2247] = "C<=>D 1 0 0";  // row 2249, input line 4499
  for (size_t i = 2248; i <= 2251; ++i) lines[i] = "#DATAUX#JUNK";
  lines[3997] = "E<=>F 1 0 0";  // row 3999, input line 7999
  lines[3998] = "#DATAUX#MORE JUNK";
  run.SetReactionSection(lines);
  std::vector<std::string> got;
  for (const RunWarning& w :
       UnknownAuxiliaryLines(run.table, run.Reactions(), run.run.input)) {
    got.push_back(std::to_string(w.line) + ": " + w.text);
  }
  const std::string of =
      "neither a reaction nor a known auxiliary line: "
      "kept as auxiliary data of the reaction on line ";
  EXPECT_EQ(got, (std::vector<std::string>{
                     "5: auxiliary line with no reaction before it: kept as "
                     "it stands, belonging to no reaction",
                     "4501: " + of + "4499", "4503: " + of + "4499",
                     "4505: " + of + "4499", "4507: " + of + "4499",
                     "8001: " + of + "7999"}));
}

}  // namespace
}  // namespace kestrelon
