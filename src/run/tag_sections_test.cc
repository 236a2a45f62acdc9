#include "run/tag_sections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_file.h"
#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

class TagSectionsTest : public testing_support::ScratchRunTest {
 protected:
  // Tags `tempo` (the lines of "tempo.int", which came from input lines 11,
  // 12, ...) and returns "tempo2.int".
  std::string Tag(const std::vector<std::string>& tempo) {
    LineBuffer text;
    rec_.input.origin.clear();
    for (const std::string& line : tempo) {
      text.Add(line);
      rec_.input.origin.push_back(11 +
                                  static_cast<int>(rec_.input.origin.size()));
    }
    std::string tagged;
    has_thermo_ = TagSections(text.text(), tagged, rec_.input);
    return tagged;
  }
  bool has_thermo_ = false;
};

TEST_F(TagSectionsTest, MakesKeywordLinesCanonical) {
  struct Case {
    std::vector<std::string> tempo;
    const char* want;
    std::vector<int> origin;
    bool has_thermo = false;
  } cases[] = {
      {{"REAC   ! units from the window"}, "REACTIONS\r\n", {11}},
      {{"THERM ALL", "   300.000  1000.000"},
       "THERMO\r\n   300.000  1000.000\r\n",
       {11, 12},
       true},
      {{"SPEC"}, "SPECIES\r\n", {11}},
      {{"SPECIES!X"}, "SPECIES\r\n", {11}},
      // Names on the keyword line go on a line of their own.
      {{"SPECIES  H2  O2   ! reactants", "OH END"},
       "SPECIES\r\n  H2  O2\r\nOH END\r\n",
       {11, 11, 12}},
      {{"ELEMENTS H O"}, "ELEMENTS\r\n H O\r\n", {11, 11}},
      // A keyword with a blank in front, or in a comment, is not one.
      {{" THERMO", " SPECIES H2"}, " THERMO\r\n SPECIES H2\r\n", {11, 12}},
      {{"! THERMO data elsewhere"}, "\r\n", {11}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Tag(c.tempo), c.want) << c.tempo[0];
    EXPECT_EQ(rec_.input.origin, c.origin) << c.tempo[0];
    EXPECT_EQ(has_thermo_, c.has_thermo) << c.tempo[0];
  }
}

TEST(CutCommentTest, CutsCommentsWithUpToFifteenBlanksBeforeThem) {
  struct Case {
    std::string line, want;
  } cases[] = {
      {"H+O2=OH+O  3.5E15 0 0   ! CHAIN", "H+O2=OH+O  3.5E15 0 0"},
      {"A" + std::string(20, ' ') + "! C", "A     "},
      {"A" + std::string(15, ' ') + "! C", "A"},
      {"A" + std::string(16, ' ') + "! C", "A "},
      {"   ! INDENTED COMMENT", ""},
      {"A!B ! C", "A"},
      {"  LEADING AND TRAILING  ", "  LEADING AND TRAILING  "},
  };
  for (const Case& c : cases) {
    std::string line = c.line;
    CutComment(line);
    EXPECT_EQ(line, c.want) << c.line;
  }
}

}  // namespace
}  // namespace kestrelon
