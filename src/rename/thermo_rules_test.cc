#include "rename/thermo_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

// A record's first line: the name field padded to 18 characters, then the
// rest of the line.
const std::string kRest =
    "L11/89C   1H   3    0    0G   200.000  3500.000  1000.000    1";
std::string Field(const std::string& name) {
  return name + std::string(18 - name.size(), ' ') + kRest;
}

TEST(ThermoRulesTest, Lines) {
  struct Case {
    const char *former, *renamed;
    std::string line, want;
  } cases[] = {
      // Longer and shorter names keep every column after the name field.
      {"CH3", "CH3X", Field("CH3"), Field("CH3X")},
      {"CH3", "C", Field("CH3"), Field("C")},
      // Exactly enough blanks, and too few: then the line stays.
      {"CH3", "CH3XYZ", "CH3   L1", "CH3XYZL1"},
      {"CH3", "CH3XYZ", "CH3  L1", "CH3  L1"},
      // Only the name that opens the line: the same letters in the
      // composition field are an element symbol.
      {"C", "CX", Field("C"), Field("CX")},
      {"H", "HX", Field("CH3"), Field("CH3")},
      // Not a record's first line, or another name.
      {"CH3", "CH3X", " " + Field("CH3"), " " + Field("CH3")},
      {"CH3", "CH3X", Field("CH3O"), Field("CH3O")},
      {"CH3", "CH3X", "CH3/", "CH3/"},
      {"END", "X", "END", "END"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RenameThermoLine(c.line, c.former, c.renamed), c.want)
        << c.line << " (" << c.former << " -> " << c.renamed << ")";
  }
}

TEST(ThermoRulesTest, WholeFileEndsEveryLineWithCrLfOrIsNotRewritten) {
  const std::string file = "THERMO\r\n" + Field("CH3") + "\n 1.0    2\rEND";
  EXPECT_EQ(RenameInThermo(file, "CH3", "CH3X"),
            "THERMO\r\n" + Field("CH3X") + "\r\n 1.0    2\r\nEND\r\n");
  EXPECT_FALSE(RenameInThermo(file, "CH2", "CH2X").has_value());
}

}  // namespace
}  // namespace kestrelon
