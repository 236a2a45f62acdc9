#include "cli/check_report.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(CountMechanismTest, CountsSpeciesNamesAndReactionRows) {
  WorkingTable table;
  const char* rows[] = {"ELEMENTS",
                        "H   O",
                        "END",
                        "SPECIES",
                        "H   O   OH",
                        "O2",
                        "END",
                        "REACTIONS",
                        "H+O2<=>OH+O 1 0 0",
                        "#DATAUX#LOW/ 1 2 3/",
                        "#NER#A+B+C+D<=>E 1 0 0",
                        "#DATAUX#X/1/",
                        "OH+OH<=>O2+H+H 1 0 0",
                        "END"};
  for (int r = 0; r < 14; ++r) table.Set(r + 1, 1, rows[r]);
  SectionIndex index;
  index.elemrow = 1;
  index.elemend = 3;
  index.specrow = 4;
  index.specend = 7;
  index.reacrow = 8;
  index.reacend = 14;
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
