#include "run/tag_sections.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

class TagSectionsTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = testing::TempDir() + "/tag_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    ctx_.vars.inputdir = dir_ + "/";
    ctx_.vars.tempopath = dir_ + "/tempo.int";
    ctx_.input_name = "mech.inp";
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Tags `tempo` (the lines of "tempo.int", which came from input lines 11,
  // 12, ...) and returns "tempo2.int".
  std::string Tag(const std::vector<std::string>& tempo) {
    LineBuffer text;
    ctx_.origin.clear();
    for (size_t i = 0; i < tempo.size(); ++i) {
      text.Add(tempo[i]);
      ctx_.origin.push_back(11 + static_cast<int>(i));
    }
    WriteFile(ctx_.vars.tempopath, text.text());
    TagSections(ctx_);
    return ReadFile(dir_ + "/tempo2.int");
  }

  std::string dir_;
  ScriptedUi ui_;
  WorkingTable table_;
  RunContext ctx_{ui_, table_};
};

TEST_F(TagSectionsTest, MakesKeywordLinesCanonical) {
  struct Case {
    std::vector<std::string> tempo;
    const char* want;
    std::vector<int> origin;
  } cases[] = {
      {{"REACTIONS KCAL/MOLE"}, "REACTIONS\r\n", {11}},
      {{"REAC"}, "REACTIONS\r\n", {11}},
      {{"REACTIONS   ! units from the window"}, "REACTIONS\r\n", {11}},
      {{"THERMO ALL", "   300.000  1000.000  5000.000"},
       "THERMO\r\n   300.000  1000.000  5000.000\r\n",
       {11, 12}},
      {{"ELEMENTS"}, "ELEMENTS\r\n", {11}},
      {{"SPEC"}, "SPECIES\r\n", {11}},
      {{"SPECIES   "}, "SPECIES\r\n", {11}},
      {{"SPECIES ! what reacts"}, "SPECIES\r\n", {11}},
      {{"SPECIES!X"}, "SPECIES\r\n", {11}},
      // Names on the keyword line go on a line of their own.
      {{"SPECIES H2 O2", "OH END"},
       "SPECIES\r\n H2 O2\r\nOH END\r\n",
       {11, 11, 12}},
      {{"SPECIES  H2  O2   ! reactants", "END"},
       "SPECIES\r\n  H2  O2\r\nEND\r\n",
       {11, 11, 12}},
      {{"SPEC H2!X"}, "SPECIES\r\n H2\r\n", {11, 11}},
      {{"ELEMENTS H O"}, "ELEMENTS\r\n H O\r\n", {11, 11}},
      // A keyword with a blank in front is not one.
      {{" REACTIONS", " SPECIES H2"},
       " REACTIONS\r\n SPECIES H2\r\n",
       {11, 12}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Tag(c.tempo), c.want) << c.tempo[0];
    EXPECT_EQ(ctx_.origin, c.origin) << c.tempo[0];
  }
}

TEST_F(TagSectionsTest, ThermoLineSetsTheThermodynamicFlag) {
  struct Case {
    std::vector<std::string> tempo;
    int want_nothermo;
  } cases[] = {
      {{"ELEMENTS", "END", "THERMO ALL", "END"}, 0},
      {{"THERM"}, 0},
      {{"ELEMENTS", "END", "REACTIONS", "END"}, 1},
      {{" THERMO", "END"}, 1},
      {{"! THERMO data elsewhere"}, 1},
      {{}, 1},
  };
  for (const Case& c : cases) {
    ctx_.vars.nothermo = 7;
    Tag(c.tempo);
    EXPECT_EQ(ctx_.vars.nothermo, c.want_nothermo)
        << testing::PrintToString(c.tempo);
  }
}

TEST_F(TagSectionsTest, CutsCommentsWithUpToFifteenBlanksBeforeThem) {
  struct Case {
    std::string line;
    std::string want;
  } cases[] = {
      {"H+O2=OH+O  3.5E15 0 0   ! CHAIN", "H+O2=OH+O  3.5E15 0 0"},
      {"A" + std::string(20, ' ') + "! C", "A     "},
      {"A" + std::string(15, ' ') + "! C", "A"},
      {"A" + std::string(16, ' ') + "! C", "A "},
      {"A!C", "A"},
      {"! ONLY A COMMENT", ""},
      {"   ! INDENTED COMMENT", ""},
      {"!", ""},
      {"A ! B ! C", "A"},
      {"  LEADING AND TRAILING  ", "  LEADING AND TRAILING  "},
      {"A,B ! C,D", "A,B"},
      {"", ""},
  };
  for (const Case& c : cases) {
    std::string line = c.line;
    CutComment(line);
    EXPECT_EQ(line, c.want) << c.line;
  }
}

TEST_F(TagSectionsTest, WritesEveryLineWithCrLfAndKeepsOriginInStep) {
  const std::string got = Tag({
      "! MECHANISM",            // 11
      "ELEMENTS",               // 12
      "",                       // 13
      "H O   ! TWO",            // 14
      "END",                    // 15
      "SPECIES H2 O2 ! NAMES",  // 16
      "END",                    // 17
      "REACTIONS CAL/MOLE",     // 18
      "H+O2=OH+O 1,2 3",        // 19
      "END",                    // 20
  });
  EXPECT_EQ(got,
            "\r\nELEMENTS\r\n\r\nH O\r\nEND\r\nSPECIES\r\n H2 O2\r\nEND\r\n"
            "REACTIONS\r\nH+O2=OH+O 1,2 3\r\nEND\r\n");
  EXPECT_EQ(ctx_.origin,
            (std::vector<int>{11, 12, 13, 14, 15, 16, 16, 17, 18, 19, 20}));
}

TEST_F(TagSectionsTest, UnknownOriginNamesNoLine) {
  WriteFile(ctx_.vars.tempopath, "ELEMENTS\r\nEND\r\n");
  ctx_.origin = {1};  // does not match the two lines
  TagSections(ctx_);
  EXPECT_EQ(ctx_.origin, (std::vector<int>{0, 0}));
}

TEST_F(TagSectionsTest, AMissingNormalisedCopyFailsTheRun) {
  EXPECT_THROW(TagSections(ctx_), RunError);
}

}  // namespace
}  // namespace kestrelon
