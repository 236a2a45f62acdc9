#include "table/auxiliary_lines.h"

#include <gtest/gtest.h>

#include "model/run_warning.h"

namespace kestrelon {
namespace {

// The warnings about the lines that are not known ones, with the lines
// they name, are checked through whole runs: tests/messages_test.cc.
TEST(AuxiliaryLinesTest, KnownLines) {
  struct Case {
    const char* text;
    bool known;
  } cases[] = {
      {"LOW / 1.0E+16 0.0 500.0 /", true},
      {"LOW/1 2 3/", true},
      {"DUPLICATE", true},
      {"CHEB / 7 3 /", true},
      {"FIT1 / 1 2 3 4 /", true},
      {"H2/2.0/ H2O/6.0/", true},
      {"H2 / 2.0 / AR/.7/ CO2/3.8D0/", true},
      {"C2H5OH;2/1.5/", true},
      // A keyword's letters at the start of a longer word are no keyword.
      {"LOWER / 1 2 3 /", false},
      {"DUPS", false},
      {"A<->B 1.0 0.0 0.0", false},
      {"H2 O2 JUNK", false},
      {"H2/2.0", false},
      {"H2/X/", false},
      {"H2 O/2/", false},
      {"/2/", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsKnownAuxiliaryLine(c.text), c.known) << c.text;
  }
}

TEST(RunWarningTest, Forms) {
  EXPECT_EQ(FormatWarning("m.inp", 7, "x"), "kestrelon: m.inp:7: warning: x");
  EXPECT_EQ(FormatWarning("m.inp", 0, "x"), "kestrelon: m.inp: warning: x");
  EXPECT_EQ(FormatWarning("", 7, "x"), "kestrelon: warning: x");
}

}  // namespace
}  // namespace kestrelon
