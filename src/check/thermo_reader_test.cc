#include "check/thermo_reader.h"

#include <gtest/gtest.h>

#include "tests/support/check_test_support.h"

namespace kestrelon {
namespace {

using check_test::Entry;

// The plain fixed columns (names, elements, temperatures, both ranges of
// coefficients and the line of an entry) are read by every case of
// tests/cases/findings.txt; its unreadable_thermo_entry shows an entry the
// reader cannot read.

// Real files: Fortran blank exponents, TABs inside the columns, a blank
// middle temperature, counts after column 80 or on a "&" line, a missing
// column-80 mark, a comment after column 80.
TEST(ThermoReader, ReadsTheVariantsOfRealFiles) {
  const std::string numbers =
      " 2.50000000E+00 0.00000000E+00 0.00000000E+00 0.00000000E+00 "
      "0.00000000E+00    2\n"
      " 0.00000000E+00 0.00000000E+00 0.25000000e 01 0.00000000E+00 "
      "0.00000000E+00    3\n"
      " 0.00000000E+00 0.00000000E+00 0.00000000E+00 0.00000000E+00      "
      "              4\n";
  const std::string text =
      "THERMO ALL\n   300.000  1200.000  5000.000\n"
      "TC4H7             A 8/83C   4H\t 7    0    0G   300.     3000.\t  "
      "1500.        1! tabs\n" +
      numbers +
      "BIN4       PYRENE       C   0H   0    0    0G   300.000  5000.000 "
      "1401.000    01C      193H       84\n" +
      numbers +
      "BIN4AJ                                      G    300.00   3500.00 "
      "1330.00      1&\nC 160.00 H 115.00\n" +
      numbers +
      "NOMARK            L 1/90N   1              G   300.000  5000.000 "
      "             \n" +
      numbers + "END\n";
  ThermoData data = ReadThermoFile(text);
  ASSERT_EQ(data.entries.size(), 4u)
      << (data.problems.empty() ? "" : data.problems[0].text);
  using Elements = std::vector<std::pair<std::string, double>>;
  EXPECT_EQ(data.entries[0].elements, (Elements{{"C", 4}, {"H", 7}}));
  EXPECT_EQ(data.entries[0].t_mid, 1500);
  EXPECT_EQ(data.entries[0].high[0], 2.5);
  EXPECT_EQ(data.entries[0].low[0], 2.5);
  EXPECT_EQ(data.entries[1].elements, (Elements{{"C", 193}, {"H", 84}}));
  EXPECT_EQ(data.entries[2].elements, (Elements{{"C", 160}, {"H", 115}}));
  EXPECT_EQ(data.entries[2].line, 11);
  EXPECT_EQ(data.entries[3].name, "NOMARK");
  EXPECT_EQ(data.entries[3].t_mid, 1200);
}

TEST(ThermoReader, TellsThermoFilesFromMechanisms) {
  EXPECT_TRUE(LooksLikeThermoFile("! data\n\nthermo\n"));
  EXPECT_TRUE(LooksLikeThermoFile(Entry("H2", {{"H", 2}})));
  EXPECT_FALSE(LooksLikeThermoFile("ELEMENTS\nH\nEND\n"));
  EXPECT_FALSE(LooksLikeThermoFile(""));
}

}  // namespace
}  // namespace kestrelon
