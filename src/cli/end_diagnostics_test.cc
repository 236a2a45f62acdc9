#include "cli/end_diagnostics.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(EndDiagnosticsTest, ListsTheEndLinesThatAreNotCounted) {
  // Counted: END in any case. Meant as an END but not counted: blanks, TABs
  // or a comment around it. Not meant as an END at all: the rest.
  const char* listed[] = {"END ",  "  end", "END\t",
                          "\tEND", "END!",  "end   !end of the elements"};
  const char* not_listed[] = {"END",   "end",          "ENDS", "END END",
                              "! END", "ELEM H O END", "E ND", ""};
  for (const char* line : listed) {
    std::vector<NearEnd> got = FindNearEnds(std::string("A\r\n") + line);
    EXPECT_TRUE(got.size() == 1 && got[0].line == 2) << '"' << line << '"';
  }
  for (const char* line : not_listed) {
    EXPECT_TRUE(FindNearEnds(std::string("A\r\n") + line).empty()) << line;
  }
  // Every line end ends a line; a TAB is shown as \t; the count first, at
  // most `limit` lines after it, each with the advice.
  const std::string not_counted =
      "\" is not counted: only a line reading exactly END closes a section; "
      "try X";
  EXPECT_EQ(UnreadableDiagnostics(
                "f", 0, "A\rEND \nB\r\n\r\n\tend ! x\r\n END\r\nEND \r\nEND",
                "; try X", 2),
            (std::vector<std::string>{
                "kestrelon: f: END closes no section; ELEMENTS, SPECIES and "
                "REACTIONS each need one",
                "kestrelon: f:2: \"END " + not_counted,
                "kestrelon: f:5: \"\\tend ! x" + not_counted,
                "kestrelon: f: 2 more such lines are not listed"}));
}

}  // namespace
}  // namespace kestrelon
