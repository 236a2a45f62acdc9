#include "rename/mechanism_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

struct LineCase {
  std::string line, want;
};

// Reaction lines with their coefficients.
LineCase R(const std::string& line, const std::string& want) {
  return {line + " 1.000E+13 0.0000 0.0", want + " 1.000E+13 0.0000 0.0"};
}

TEST(MechanismRulesTest, EveryKindOfLineOfAFile) {
  const LineCase cases[] = {
      {"ELEMENTS", "ELEMENTS"},
      {"C   H   CH3", "C   H   CH3"},
      {"END", "END"},
      {"SPECIES", "SPECIES"},
      // Start, end, alone, both ends (longer names are other names), with a
      // trailing blank.
      {"CH3   CH4", "CH3X   CH4"},
      {"H   CH3", "H   CH3X"},
      {"CH3", "CH3X"},
      {"CH3   CH3O   CH3OH   CH3", "CH3X   CH3O   CH3OH   CH3X"},
      {"CH3 ", "CH3X "},
      // Two names sharing one blank: the scan goes on after the first.
      {"H CH3 CH3 O", "H CH3X CH3 O"},
      {"END", "END"},
      {"REACTIONS", "REACTIONS"},
      // A leading name before "<", "=" and "(+".
      R("CH3<=>CH2+H", "CH3X<=>CH2+H"),
      R("CH3=>CH2+H", "CH3X=>CH2+H"),
      R("CH3(+M)<=>CH2+H(+M)", "CH3X(+M)<=>CH2+H(+M)"),
      // Each row of the pattern table.
      R("H+CH3=>CH4", "H+CH3X=>CH4"),
      R("CH2+H<=>CH3", "CH2+H<=>CH3X"),
      R("C2H6<=>CH3+CH3", "C2H6<=>CH3X+CH3X"),
      R("H+CH3(+M)<=>CH4(+M)", "H+CH3X(+M)<=>CH4(+M)"),
      R("H+CH3+M<=>CH4+M", "H+CH3X+M<=>CH4+M"),
      R("CH2+H(+M)<=>CH3(+M)", "CH2+H(+M)<=>CH3X(+M)"),
      R("C2H6<=>H+C2H4+CH3", "C2H6<=>H+C2H4+CH3X"),
      R("H+H(+CH3)<=>H2(+CH3)", "H+H(+CH3X)<=>H2(+CH3X)"),
      // Behind a coefficient of 2, and in longer names, nothing changes.
      R("2CH3<=>C2H6", "2CH3<=>C2H6"),
      R("H+NCH3<=>SCH3+XCH3", "H+NCH3<=>SCH3+XCH3"),
      // Two names found by different rows of the table are both renamed;
      // two found by the same row share a "+" and only the first is.
      R("H+CH3+CH3<=>C2H6+H", "H+CH3X+CH3X<=>C2H6+H"),
      R("H+CH3+CH3+M<=>C2H6+H+M", "H+CH3X+CH3+M<=>C2H6+H+M"),
      // Efficiencies after a blank, before a blank and "/", longer names.
      {"H2/2.00/ CH3/3.00/ CO/1.50/", "H2/2.00/ CH3X/3.00/ CO/1.50/"},
      {"H2/2.0/ CH3 /3.0/", "H2/2.0/ CH3X /3.0/"},
      {"CH3O/2.0/ CH3OH/3.0/ XCH3/1.0/", "CH3O/2.0/ CH3OH/3.0/ XCH3/1.0/"},
      {"END", "END"},
      {"****List of non-elementary reactions****",
       "****List of non-elementary reactions****"},
  };
  MechanismRenamer renamer("CH3", "CH3X");
  for (const LineCase& c : cases) {
    EXPECT_EQ(renamer.RenameLine(c.line), c.want) << c.line;
  }
  // The section state does not leak into the next file.
  renamer.StartFile();
  EXPECT_EQ(renamer.RenameLine("H2/2.0/ CH3 CH3"), "H2/2.0/ CH3X CH3X");
}

TEST(MechanismRulesTest, KeywordLinesAreNeverChanged) {
  // Each line holds " 1.0 ", which the efficiency-line rules would rename.
  MechanismRenamer renamer("1.0", "9.9");
  renamer.RenameLine("REACTIONS");
  EXPECT_EQ(renamer.RenameLine("FOO /2.0 1.0 3.0/"), "FOO /2.0 9.9 3.0/");
  for (std::string keyword :
       {"LOW ", "HIGH ", "TROE ", "SRI ", "REV ", "PLOG ", "PLOG", "CHEB ",
        "LT ", "JAN", "FIT1 "}) {
    EXPECT_EQ(renamer.RenameLine(keyword + "/2.0 1.0 3.0/"),
              keyword + "/2.0 1.0 3.0/");
  }
  EXPECT_EQ(renamer.RenameLine("DUPLICATE 1.0 "), "DUPLICATE 1.0 ");
  // A species whose name begins like a keyword still has its efficiency.
  EXPECT_EQ(renamer.RenameLine("PLOGX/2.0/ 1.0/3.0/"), "PLOGX/2.0/ 9.9/3.0/");
}

TEST(MechanismRulesTest, NumbersAfterTheEquationNeverChange) {
  // A species named like the exponent of A, n or Ea: "+00 " and ">00 "
  // stand in "4.600E+00 " as they would in an equation.
  const LineCase cases[] = {
      {"H2<=>00 4.600E+00 0.0000 0.0", "H2<=>FZ 4.600E+00 0.0000 0.0"},
      {"H2+00<=>H+H 1.000E+00 0.0000 0.0",
       "H2+FZ<=>H+H 1.000E+00 0.0000 0.0"},
      {"H+H<=>H2+00 1.000E+00 0.0000 1.0E+00",
       "H+H<=>H2+FZ 1.000E+00 0.0000 1.0E+00"},
      {"H+H<=>H2 1.000E+00 0.0000 1.0E+00", "H+H<=>H2 1.000E+00 0.0000 1.0E+00"},
      // A reaction whose first species begins like a keyword line.
      {"PLOG/X+00<=>H2 1.000E+00 0.0000 0.0",
       "PLOG/X+FZ<=>H2 1.000E+00 0.0000 0.0"},
  };
  MechanismRenamer renamer("00", "FZ");
  renamer.RenameLine("REACTIONS");
  for (const LineCase& c : cases) {
    EXPECT_EQ(renamer.RenameLine(c.line), c.want) << c.line;
  }
}

TEST(MechanismRulesTest, WholeFileEndsEveryLineWithCrLfOrIsNotRewritten) {
  EXPECT_EQ(RenameInMechanism("SPECIES\r\nH2   AR\rAR\nEND", "AR", "ARGON"),
            "SPECIES\r\nH2   ARGON\r\nARGON\r\nEND\r\n");
  EXPECT_FALSE(RenameInMechanism("SPECIES\nCH3O\nEND", "CH3", "CH3X"));
  EXPECT_FALSE(RenameInMechanism("SPECIES\r\nCH3\r\n", "CH3", "CH3"));
}

}  // namespace
}  // namespace kestrelon
