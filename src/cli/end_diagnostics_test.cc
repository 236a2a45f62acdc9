#include "cli/end_diagnostics.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(FindNearEndsTest, ListsTheEndLinesThatAreNotCounted) {
  struct Case {
    const char* line;
    bool listed;
  } cases[] = {
      // Counted, so not listed.
      {"END", false},
      {"end", false},
      {"End", false},
      // Not counted, but meant to close a section.
      {"END ", true},
      {"END  ", true},
      {" END", true},
      {"  end", true},
      {"END\t", true},
      {"\tEND", true},
      {"END ! species", true},
      {"END!", true},
      {"end   !end of the elements", true},
      // Not meant as an END at all.
      {"ENDS", false},
      {"END END", false},
      {"! END", false},
      {"REACTIONS END", false},
      {"ELEM H O END", false},
      {"E ND", false},
      {"", false},
  };
  for (const Case& c : cases) {
    std::string text = std::string("ELEMENTS\r\n") + c.line + "\r\nH\r\n";
    std::vector<NearEnd> got = FindNearEnds(text);
    if (!c.listed) {
      EXPECT_TRUE(got.empty()) << '"' << c.line << '"';
      continue;
    }
    ASSERT_EQ(got.size(), 1u) << '"' << c.line << '"';
    EXPECT_EQ(got[0].line, 2) << '"' << c.line << '"';
    EXPECT_EQ(got[0].text, c.line);
  }
}

TEST(FindNearEndsTest, LineNumbersFollowEveryLineEnd) {
  std::vector<NearEnd> got = FindNearEnds("A\rEND \nB\r\n\r\n END\r\nEND");
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].line, 2);
  EXPECT_EQ(got[0].text, "END ");
  EXPECT_EQ(got[1].line, 5);
  EXPECT_EQ(got[1].text, " END");
}

TEST(DescribeNearEndTest, QuotesTheLineAsWrittenWithTabsShown) {
  EXPECT_EQ(DescribeNearEnd("m.inp", {412, "END  "}),
            "kestrelon: m.inp: line 412: \"END  \" is not counted: only a "
            "line reading exactly END closes a section");
  EXPECT_EQ(DescribeNearEnd("dir/m.inp", {7, "\tend ! x"}),
            "kestrelon: dir/m.inp: line 7: \"\\tend ! x\" is not counted: "
            "only a line reading exactly END closes a section");
}

TEST(UnreadableDiagnosticsTest, CountThenTheNearEnds) {
  const std::string text =
      "ELEMENTS\r\nH\r\nEND\r\nSPECIES\r\nH\r\nEND \r\nREACTIONS\r\n"
      " END\r\n";
  std::vector<std::string> got = UnreadableDiagnostics("m.inp", 1, text);
  std::vector<std::string> want = {
      "kestrelon: m.inp: END closes 1 section; ELEMENTS, SPECIES and "
      "REACTIONS each need one",
      "kestrelon: m.inp: line 6: \"END \" is not counted: only a line reading "
      "exactly END closes a section",
      "kestrelon: m.inp: line 8: \" END\" is not counted: only a line reading "
      "exactly END closes a section",
  };
  EXPECT_EQ(got, want);
}

TEST(UnreadableDiagnosticsTest, CountWording) {
  struct Case {
    int endcount;
    const char* want;
  } cases[] = {
      {0,
       "kestrelon: f: END closes no section; ELEMENTS, SPECIES and "
       "REACTIONS each need one"},
      {2,
       "kestrelon: f: END closes 2 sections; ELEMENTS, SPECIES and "
       "REACTIONS each need one"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> got = UnreadableDiagnostics("f", c.endcount, "");
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], c.want);
  }
}

TEST(UnreadableDiagnosticsTest, ListsAtMostTheLimit) {
  std::string text;
  for (int i = 0; i < 5; ++i) text += "END \r\n";
  std::vector<std::string> got = UnreadableDiagnostics("f", 0, text, 3);
  ASSERT_EQ(got.size(), 5u);
  EXPECT_EQ(got[3],
            "kestrelon: f: line 3: \"END \" is not counted: only a line "
            "reading exactly END closes a section");
  EXPECT_EQ(got[4], "kestrelon: f: 2 more such lines are not listed");
}

}  // namespace
}  // namespace kestrelon
