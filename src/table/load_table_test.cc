#include "table/load_table.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_file.h"
#include "table/table_test_support.h"

namespace kestrelon {
namespace {

using testing_support::ScratchDir;
using testing_support::TestRun;

TEST(ReadTableItemTest, OneLineGivesOneItem) {
  struct Case {
    const char* line;
    const char* want;
  } cases[] = {
      {"H2 + O2 = 2OH  1 2 3", "H2 + O2 = 2OH  1 2 3"},
      {"   ELEMENTS   ", "ELEMENTS"},
      {"  END", "END"},
      {"", ""},
      {"     ", ""},
      {"A;B; C", "A;B; C"},
      // Quoted items lose their quotes; what follows the closing quote is
      // not part of the row, and an open quote runs to the end of the line.
      {"\"QUOTED TEXT\"", "QUOTED TEXT"},
      {"  \" PADDED \"  ", " PADDED "},
      {"\"AB\"CD", "AB"},
      {"\"OPEN TO THE END ", "OPEN TO THE END "},
      {"\"\"", ""},
      {"A\"B\"", "A\"B\""},
      // Commas never reach the working file; one that did stays in its row.
      {"A,B", "A,B"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadTableItem(c.line), c.want) << '"' << c.line << '"';
  }
}

// Writes the working files as the input stage leaves them.
void WriteWorkingFiles(const ScratchDir& dir, const std::string& tempo3) {
  WriteFile(dir.dir() + kTempo, "tempo\r\n");
  WriteFile(dir.dir() + kTempo2, "tempo2\r\n");
  WriteFile(dir.dir() + kTempo3, tempo3);
}

TEST(LoadTableTest, FillsColumnOneAndFindsTheSections) {
  ScratchDir dir;
  TestRun run(dir.dir());
  WriteWorkingFiles(dir,
                    "ELEMENTS\r\n"         // 1
                    "  H   O  \r\n"        // 2
                    "END\r\n"              // 3
                    "SPECIES\r\n"          // 4
                    " END \r\n"            // 5: no END for the search
                    "H2 O2\r\n"            // 6
                    "END\r\n"              // 7
                    "REACTIONS\r\n"        // 8
                    "H+O2=OH+O 1 2 3\r\n"  // 9
                    "\"DUP\" IGNORED\r\n"  // 10
                    "END\r\n"              // 11
                    "AFTER\r\n");          // 12
  LoadTable(run.ctx);

  const char* want[] = {
      "",    "ELEMENTS",  "H   O",           "END", "SPECIES", "END",  "H2 O2",
      "END", "REACTIONS", "H+O2=OH+O 1 2 3", "DUP", "END",     "AFTER"};
  for (int row = 0; row <= 12; ++row) {
    EXPECT_EQ(run.Cell(row, 1), want[row]) << "row " << row;
  }
  EXPECT_EQ(run.Cell(13, 1), "");
  for (int column = 2; column <= 12; ++column) {
    EXPECT_EQ(run.Cell(9, column), "") << "column " << column;
  }
  const SectionIndex& index = run.ctx.vars.index;
  EXPECT_EQ(index.elemrow, 1);
  EXPECT_EQ(index.elemend, 3);
  EXPECT_EQ(index.specrow, 4);
  EXPECT_EQ(index.specend, 7);
  EXPECT_EQ(index.reacrow, 8);
  EXPECT_EQ(index.reacend, 11);

  EXPECT_FALSE(FileExists(dir.dir() + kTempo));
  EXPECT_FALSE(FileExists(dir.dir() + kTempo2));
  EXPECT_FALSE(FileExists(dir.dir() + kTempo3));
  std::vector<std::string> progress;
  for (const std::string& entry : run.ui.log) {
    if (entry.rfind("progress", 0) == 0) progress.push_back(entry);
  }
  EXPECT_EQ(progress, (std::vector<std::string>{"progress 40", "progress 50"}));
}

TEST(LoadTableTest, EmptySectionsAndOtherLineEnds) {
  ScratchDir dir;
  TestRun run(dir.dir());
  WriteWorkingFiles(dir, "ELEMENTS\nEND\rSPECIES\r\nEND\nREACTIONS\nEND");
  LoadTable(run.ctx);
  const SectionIndex& index = run.ctx.vars.index;
  EXPECT_EQ(index.elemrow, 1);
  EXPECT_EQ(index.elemend, 2);
  EXPECT_EQ(index.specrow, 3);
  EXPECT_EQ(index.specend, 4);
  EXPECT_EQ(index.reacrow, 5);
  EXPECT_EQ(index.reacend, 6);
}

TEST(LoadTableTest, MissingSectionsNameTheInputLine) {
  // Row r came from input line 2r + 1 (see TestRun).
  struct Case {
    const char* tempo3;
    const char* want;
  } cases[] = {
      {"SPECIES\nEND\nREACTIONS\nEND\n",
       "mech.inp: no line reading exactly \"ELEMENTS\""},
      {"ELEMENTS \nEND\nSPECIES\nEND\nREACTIONS\nEND\n",
       "mech.inp: no line reading exactly \"ELEMENTS\""},
      {"X\nELEMENTS\nH\n END\n",
       "mech.inp:5: ELEMENTS section has no line reading exactly "
       "\"END\""},
      // Out of order: the search for REACTIONS starts after SPECIES.
      {"ELEMENTS\nEND\nREACTIONS\nEND\nSPECIES\nEND\n",
       "mech.inp:13: no line reading exactly \"REACTIONS\" after the END of "
       "the SPECIES section"},
      {"ELEMENTS\nEND\nSPECIES\nH2\nREACTIONS\n",
       "mech.inp:7: SPECIES section has no line reading exactly "
       "\"END\""},
      {"ELEMENTS\nH\nEND\nREACTIONS\nEND\n",
       "mech.inp:7: no line reading exactly \"SPECIES\" after the END of the "
       "ELEMENTS section"},
      {"ELEMENTS\nEND\nSPECIES\nH2\nEND\nREACTIONS:\nEND\n",
       "mech.inp:11: no line reading exactly \"REACTIONS\" after the END of "
       "the SPECIES section"},
      {"ELEMENTS\nEND\nSPECIES\nEND\nREACTIONS\nH+O2=OH+O 1 2 3\nEND.\n",
       "mech.inp:11: REACTIONS section has no line reading exactly "
       "\"END\""},
      {"", "mech.inp: no line reading exactly \"ELEMENTS\""},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    TestRun run(dir.dir());
    WriteWorkingFiles(dir, c.tempo3);
    try {
      LoadTable(run.ctx);
      ADD_FAILURE() << "loaded: " << c.tempo3;
    } catch (const RunError& e) {
      EXPECT_EQ(e.Describe(), c.want) << c.tempo3;
    }
  }
}

std::string MechanismOfLines(int lines) {
  std::string text = "ELEMENTS\r\nEND\r\nSPECIES\r\nEND\r\nREACTIONS\r\n";
  for (int i = 5; i < lines - 1; ++i) text += "A+B=C+D 1.0E13 0 1000\r\n";
  text += "END\r\n";
  return text;
}

TEST(LoadTableTest, HoldsAtMost25999Lines) {
  {
    ScratchDir dir;
    TestRun run(dir.dir());
    WriteWorkingFiles(dir, MechanismOfLines(25999));
    LoadTable(run.ctx);
    EXPECT_EQ(run.ctx.vars.index.reacend, 25999);
    EXPECT_EQ(run.Cell(25998, 1), "A+B=C+D 1.0E13 0 1000");
    EXPECT_EQ(run.Cell(25999, 1), "END");
  }
  {
    ScratchDir dir;
    TestRun run(dir.dir());
    WriteWorkingFiles(dir, MechanismOfLines(26000));
    try {
      LoadTable(run.ctx);
      ADD_FAILURE() << "26000 lines loaded";
    } catch (const RunError& e) {
      // Row 26,000 came from input line 52,001.
      EXPECT_EQ(e.Describe(),
                "mech.inp:52001: more than 25999 lines: the working table is "
                "full");
    }
  }
}

TEST(LoadTableTest, MissingWorkingFileFails) {
  ScratchDir dir;
  TestRun run(dir.dir());
  EXPECT_THROW(LoadTable(run.ctx), RunError);
}

}  // namespace
}  // namespace kestrelon
