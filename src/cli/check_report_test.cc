#include "cli/check_report.h"

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

TEST(CheckReportTest, CountsAndWording) {
  // Species are counted by name; auxiliary lines are no reactions, the
  // reactions marked non-elementary are.
  WorkingTable table;
  int row = 0;
  for (std::string_view line :
       LinesOf("SPECIES\nH   O   OH\nO2\nEND\nREACTIONS\nH+O2<=>OH+O 1 0 0\n"
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
  EXPECT_EQ(CheckReport("m.inp", got, 2),
            "m.inp: 20 lines, 4 species, 3 reactions (1 non-elementary): 2 "
            "warnings");
  EXPECT_EQ(CheckReport("m.inp", {1, 1, 1, 0}, 1),
            "m.inp: 1 line, 1 species, 1 reaction: 1 warning");
}

}  // namespace
}  // namespace kestrelon
