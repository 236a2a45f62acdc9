#include "table/load_table.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

using testing_support::ErrorOf;
using testing_support::TestRun;

TEST(ReadTableItemTest, OneLineGivesOneItem) {
  struct Case {
    const char *line, *want;
  } cases[] = {
      {"   ELEMENTS   ", "ELEMENTS"},
      // Quoted items lose their quotes; what follows the closing quote is
      // dropped, and an open quote runs to the end of the line.
      {"  \" PADDED \"  ", " PADDED "},
      {"\"AB\"CD", "AB"},
      {"\"OPEN TO THE END ", "OPEN TO THE END "},
      {"A\"B\"", "A\"B\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadTableItem(c.line), c.want) << '"' << c.line << '"';
  }
}

class LoadTableTest : public testing_support::ScratchRunTest {
 protected:
  // Loads `tempo3` as the input stage leaves it.
  void Load(const std::string& tempo3) {
    const std::vector<std::string_view> lines = LinesOf(tempo3);
    FillTable(run_.table, lines, rec_.input);
    rec_.vars.index = LocateSections(lines, rec_.input);
  }
};

TEST_F(LoadTableTest, FillsColumnOneAndFindsTheSections) {
  Load(
      "ELEMENTS\r\n  H   O  \r\nEND\r\nSPECIES\r\n END \r\nH2 O2\r\nEND\r\n"
      "REACTIONS\r\nH+O2=OH+O 1 2 3\r\n\"DUP\" IGNORED\r\nEND\r\nAFTER\r\n");
  std::string rows = run_.Cell(1, 1);
  for (int row = 2; row <= 13; ++row) rows += "|" + run_.Cell(row, 1);
  EXPECT_EQ(rows,
            "ELEMENTS|H   O|END|SPECIES|END|H2 O2|END|REACTIONS|"
            "H+O2=OH+O 1 2 3|DUP|END|AFTER|");
  // The trimmed " END " on row 5 is no END for the search.
  const SectionIndex& index = rec_.vars.index;
  EXPECT_EQ((std::vector<int>{index.elemrow, index.elemend, index.specrow,
                              index.specend, index.reacrow, index.reacend}),
            (std::vector<int>{1, 3, 4, 7, 8, 11}));
}

TEST_F(LoadTableTest, HoldsAtMost25999Lines) {
  std::string text = "ELEMENTS\r\nEND\r\nSPECIES\r\nEND\r\nREACTIONS\r\n";
  for (int i = 5; i < 25998; ++i) text += "A+B=C+D 1.0E13 0 1000\r\n";
  Load(text + "END\r\n");
  EXPECT_EQ(rec_.vars.index.reacend, 25999);
  // Row 26,000 came from input line 52,001.
  EXPECT_EQ(ErrorOf([&] { Load(text + "A+B=C+D 1 0 0\r\nEND\r\n"); }),
            "mech.inp:52001: more than 25999 lines: the working table is "
            "full");
  // A permissive load grows a table of its own to the input.
  WorkingTable grown;
  FillTable(grown, LinesOf(text + "A+B=C+D 1 0 0\r\nEND\r\n"), rec_.input,
            true);
  EXPECT_EQ(grown.rows_in_use(), 26001);
  EXPECT_EQ(grown.Get(25999, 1), "A+B=C+D 1 0 0");
  EXPECT_EQ(grown.Get(26000, 1), "END");
}

// Through whole runs, in tests/cases/messages.txt: a missing SPECIES line,
// an END missing before the SPECIES or the REACTIONS line, sections out of
// order and a second section of a kind; the END of REACTIONS missing, in
// tests/permissive_test.cc.
TEST(LocateSectionsTest, MissingSectionsNameTheInputLine) {
  struct Case {
    const char *text, *want;
  } cases[] = {
      {"ELEMENTS \nEND\nSPECIES\nEND\nREACTIONS\nEND",
       "mech.inp: no line reading exactly \"ELEMENTS\""},
      {"X\nELEMENTS\nH\n END",
       "mech.inp:5: ELEMENTS section has no line reading exactly \"END\""},
      {"ELEMENTS\nEND\nSPECIES\nH2\nREACTIONS",
       "mech.inp:7: SPECIES section has no line reading exactly \"END\""},
      // A keyword line between sections would open one in the cleaned files.
      {"ELEMENTS\nEND\nSPECIEZ\nEND\nREACTIONS\nA=B 1\nEND\nSPECIES\n"
       "END\nREACTIONS\nEND",
       "mech.inp:11: a REACTIONS line between two sections opens none; "
       "remove it or close the section before it with END"},
  };
  for (const Case& c : cases) {
    TestRun run;
    EXPECT_EQ(ErrorOf([&] { LocateSections(LinesOf(c.text), run.run.input); }),
              c.want);
  }
}

}  // namespace
}  // namespace kestrelon
