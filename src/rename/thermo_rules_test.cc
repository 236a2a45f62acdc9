#include "rename/thermo_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

struct ThermoCase {
  const char* former;
  const char* renamed;
  std::string line;
  std::string expected;
};

// A record's first line: the name field, padded with blanks to column 19,
// then the rest of the record line.
const std::string kRest =
    "L11/89C   1H   3    0    0G   200.000  3500.000  1000.000    1";

std::string Field(const std::string& name, size_t width = 18) {
  return name + std::string(width - name.size(), ' ');
}

TEST(ThermoRulesTest, Lines) {
  const ThermoCase cases[] = {
      // Same length.
      {"CH3", "CX3", Field("CH3") + kRest, Field("CX3") + kRest},
      // Longer and shorter names keep every column after the name field.
      {"CH3", "CH3X", Field("CH3") + kRest, Field("CH3X") + kRest},
      {"CH3", "METHYL", Field("CH3") + kRest, Field("METHYL") + kRest},
      {"CH3", "C", Field("CH3") + kRest, Field("C") + kRest},
      // Exactly enough blanks, and too few: then the line stays.
      {"CH3", "CH3XYZ", "CH3   L1", "CH3XYZL1"},
      {"CH3", "CH3XYZ", "CH3  L1", "CH3  L1"},
      {"CH3", "CH3XYZ", "CH3 ", "CH3 "},
      // Only the name that opens the line: the same letters in the
      // composition field are an element symbol.
      {"C", "CX", Field("C") + "L11/88C   1    0    0    0G   200.000",
       Field("CX") + "L11/88C   1    0    0    0G   200.000"},
      {"H", "HX", Field("CH3") + kRest, Field("CH3") + kRest},
      // Not a record's first line, or another name.
      {"CH3", "CH3X", " " + Field("CH3") + kRest, " " + Field("CH3") + kRest},
      {"CH3", "CH3X", Field("CH3O") + kRest, Field("CH3O") + kRest},
      {"CH3", "CH3X", "CH3", "CH3"},
      {"CH3", "CH3X", "CH3/", "CH3/"},
      {"THERMO", "X", "THERMO", "THERMO"},
      {"END", "X", "END", "END"},
      {"300.000", "X", "   300.000  1000.000  5000.000",
       "   300.000  1000.000  5000.000"},
      {"CH3", "CH3X",
       " 3.33727920E+00-4.94024731E-05 4.99456778E-07-1.79566394E-10    2",
       " 3.33727920E+00-4.94024731E-05 4.99456778E-07-1.79566394E-10    2"},
  };
  for (const ThermoCase& c : cases) {
    EXPECT_EQ(RenameThermoLine(c.line, c.former, c.renamed), c.expected)
        << c.line << " (" << c.former << " -> " << c.renamed << ")";
  }
}

TEST(ThermoRulesTest, WholeFile) {
  const std::string file = "THERMO\r\n   300.000  1000.000  5000.000\r\n" +
                           Field("CH3") + kRest + "\r\n" + " 1.0    2\n" +
                           Field("CH3O") + kRest + "\rEND";
  const std::string expected =
      "THERMO\r\n   300.000  1000.000  5000.000\r\n" + Field("CH3X") + kRest +
      "\r\n" + " 1.0    2\r\n" + Field("CH3O") + kRest + "\r\nEND\r\n";
  std::optional<std::string> renamed = RenameInThermo(file, "CH3", "CH3X");
  ASSERT_TRUE(renamed.has_value());
  EXPECT_EQ(*renamed, expected);
  EXPECT_FALSE(RenameInThermo(file, "CH2", "CH2X").has_value());
}

}  // namespace
}  // namespace kestrelon
