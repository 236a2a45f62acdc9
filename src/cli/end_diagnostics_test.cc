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
      // Not counted, but meant to close a section.
      {"END ", true},
      {"  end", true},
      {"END\t", true},
      {"\tEND", true},
      {"END!", true},
      {"end   !end of the elements", true},
      // Not meant as an END at all.
      {"ENDS", false},
      {"END END", false},
      {"! END", false},
      {"ELEM H O END", false},
      {"E ND", false},
      {"", false},
  };
  for (const Case& c : cases) {
    std::string text = std::string("ELEMENTS\r\n") + c.line + "\r\nH\r\n";
    std::vector<NearEnd> got = FindNearEnds(text);
    ASSERT_EQ(got.size(), c.listed ? 1u : 0u) << '"' << c.line << '"';
    if (c.listed) {
      EXPECT_EQ(got[0].line, 2);
    }
  }
}

TEST(UnreadableDiagnosticsTest, CountThenTheNearEndsUpToTheLimit) {
  const std::string not_counted =
      "\" is not counted: only a line reading exactly END closes a section";
  // Every line end ends a line; a TAB is shown as \t.
  std::vector<std::string> want = {
      "kestrelon: f: END closes no section; ELEMENTS, SPECIES and REACTIONS "
      "each need one",
      "kestrelon: f: line 2: \"END " + not_counted,
      "kestrelon: f: line 5: \"\\tend ! x" + not_counted,
      "kestrelon: f: 2 more such lines are not listed"};
  EXPECT_EQ(
      UnreadableDiagnostics(
          "f", 0, "A\rEND \nB\r\n\r\n\tend ! x\r\n END\r\nEND \r\nEND", 2),
      want);
  EXPECT_EQ(UnreadableDiagnostics("f", 1, "")[0],
            "kestrelon: f: END closes 1 section; ELEMENTS, SPECIES and "
            "REACTIONS each need one");
  EXPECT_EQ(UnreadableDiagnostics("f", 2, "")[0],
            "kestrelon: f: END closes 2 sections; ELEMENTS, SPECIES and "
            "REACTIONS each need one");
}

}  // namespace
}  // namespace kestrelon
