#include "run/unreadable_causes.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(UnreadableCausesTest, FirstCauseIsANearEndThenASectionThenTheCount) {
  const std::string not_counted =
      " is not counted: only a line reading exactly END closes a section";
  struct Case {
    const char* text;
    int endcount;
    std::string first;
  } cases[] = {
      // A near END comes first even when a section cause stands before it.
      {"ELEMENTS\r\nH O\r\nEND\r\n SPECIES\r\nH2\r\nEND\r\nREACTIONS\r\n"
       "H+O2=OH+O 1 0 0\r\n  END",
       2, "line 9: \"  END\"" + not_counted},
      {"elements\nh o\nend\nspecies h2 o2 end\nreactions\nh+o2=oh+o 1 0 0\n"
       "end",
       2,
       "line 4: the SPECIES section that begins here has no line reading "
       "exactly END: an END on its keyword line closes nothing"},
      {"ELEMENTS\r\nH\r\nEND\r\n\tSPECIES ! indented\r\nH2\r\nEND", 2,
       "line 4: \"\tSPECIES ! indented\" opens no section: a SPECIES keyword "
       "must stand at the start of its line"},
      {"H2 O2\r\nEND", 1,
       "END closes 1 section; ELEMENTS, SPECIES and REACTIONS each need one"},
      {"", 0,
       "END closes no section; ELEMENTS, SPECIES and REACTIONS each need "
       "one"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FirstUnreadableCause(c.endcount, c.text), c.first) << c.text;
  }
}

}  // namespace
}  // namespace kestrelon
