#include "cli/check_report.h"

#include <gtest/gtest.h>

#include "platform/text_file.h"

namespace kestrelon {
namespace {

// Species are counted by name over the lines of their section; auxiliary
// lines are no reactions, the reactions marked non-elementary are.
TEST(CheckReportTest, CountsSpeciesNamesAndReactionRows) {
  WorkingTable table;
  int row = 0;
  for (std::string_view line :
       SplitLines("SPECIES\nH   O   OH\nO2\nEND\nREACTIONS\nH+O2<=>OH+O 1 0 0\n"
                  "#DATAUX#LOW/ 1 2 3/\n#NER#A+B+C+D<=>E 1 0 0\n#DATAUX#X/1/\n"
                  "OH+OH<=>O2+H+H 1 0 0\nEND")) {
    table.Set(++row, 1, std::string(line));
  }
  SectionIndex index;
  index.specrow = 1;
  index.specend = 4;
  index.reacrow = 5;
  index.reacend = 11;
  MechanismCounts got = CountMechanism(table, index, 20);
  EXPECT_EQ(got.lines, 20);
  EXPECT_EQ(got.species, 4);
  EXPECT_EQ(got.reactions, 3);
  EXPECT_EQ(got.non_elementary, 1);
}

TEST(CheckReportTest, Wording) {
  struct Case {
    MechanismCounts counts;
    int warnings;
    const char* want;
  } cases[] = {
      {{213, 53, 325, 0},
       0,
       "m.inp: 213 lines, 53 species, 325 reactions: no problem found"},
      {{1, 1, 1, 0},
       0,
       "m.inp: 1 line, 1 species, 1 reaction: no problem found"},
      {{9, 4, 2, 2},
       1,
       "m.inp: 9 lines, 4 species, 2 reactions (2 non-elementary): 1 warning"},
      {{9, 0, 0, 0}, 2, "m.inp: 9 lines, 0 species, 0 reactions: 2 warnings"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckReport("m.inp", c.counts, c.warnings), c.want);
  }
}

}  // namespace
}  // namespace kestrelon
