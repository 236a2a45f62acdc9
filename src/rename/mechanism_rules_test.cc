#include "rename/mechanism_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

enum class Section { kSpecies, kReactions };

struct LineCase {
  Section section;
  const char* former;
  const char* renamed;
  const char* line;
  const char* expected;
};

std::string RenameIn(Section section, const char* former, const char* renamed,
                     const char* line) {
  MechanismRenamer renamer(former, renamed);
  renamer.RenameLine("ELEMENTS");
  renamer.RenameLine("END");
  renamer.RenameLine("SPECIES");
  if (section == Section::kReactions) {
    renamer.RenameLine("END");
    renamer.RenameLine("REACTIONS");
  }
  return renamer.RenameLine(line);
}

void RunCases(const LineCase* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const LineCase& c = cases[i];
    EXPECT_EQ(RenameIn(c.section, c.former, c.renamed, c.line), c.expected)
        << "line: " << c.line << " (" << c.former << " -> " << c.renamed << ")";
  }
}

constexpr Section kSpec = Section::kSpecies;
constexpr Section kReac = Section::kReactions;

TEST(MechanismRulesTest, SpeciesLines) {
  const LineCase cases[] = {
      // The worked examples.
      {kSpec, "CH3", "CH3X", "CH4   CH3   H2", "CH4   CH3X   H2"},
      {kSpec, "CH3", "CH3X", "CH3   CH4", "CH3X   CH4"},
      {kSpec, "CH3", "CH3X", "H   CH3", "H   CH3X"},
      {kSpec, "CH3", "CH3X", "CH3O   CH3OH", "CH3O   CH3OH"},
      // Alone, at both ends at once, and a shorter new name.
      {kSpec, "CH3", "CH3X", "CH3", "CH3X"},
      {kSpec, "CH3", "CH3X", "CH3   CH3O   CH3OH   CH3",
       "CH3X   CH3O   CH3OH   CH3X"},
      {kSpec, "CH3", "M1", "H   CH3   O", "H   M1   O"},
      // Names that begin or end with the name are other names.
      {kSpec, "CH3", "CH3X", "CH3OH   CH3O   CH3CO", "CH3OH   CH3O   CH3CO"},
      {kSpec, "CH3", "CH3X", "SCH3   NCH3", "SCH3   NCH3"},
      {kSpec, "CH3", "CH3X", "CH3O", "CH3O"},
      {kSpec, "CH3", "CH3X", "CH", "CH"},
      // A trailing blank after the name.
      {kSpec, "CH3", "CH3X", "CH3 ", "CH3X "},
      // Two names sharing one blank: the scan goes on after the first.
      {kSpec, "CH3", "CH3X", "H CH3 CH3 O", "H CH3X CH3 O"},
  };
  RunCases(cases, std::size(cases));
}

TEST(MechanismRulesTest, ReactionLines) {
  const LineCase cases[] = {
      // The worked examples.
      {kReac, "CH3", "CH3X", "CH3+CH3(+M)<=>C2H6(+M) 9.214E+16 -1.1700 2636.0",
       "CH3X+CH3X(+M)<=>C2H6(+M) 9.214E+16 -1.1700 2636.0"},
      {kReac, "CH3", "CH3X", "H+CH3<=>CH4 1.270E+16 -0.6300 383.0",
       "H+CH3X<=>CH4 1.270E+16 -0.6300 383.0"},
      {kReac, "CH3", "CH3X", "CH4<=>CH3+H 1.000E+13 0.0000 0.0",
       "CH4<=>CH3X+H 1.000E+13 0.0000 0.0"},
      // Leading name before "+", "<", "=" and "(+".
      {kReac, "CH3", "CH3X", "CH3+H<=>CH4 1.000E+13 0.0000 0.0",
       "CH3X+H<=>CH4 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "CH3<=>CH2+H 1.000E+13 0.0000 0.0",
       "CH3X<=>CH2+H 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "CH3=>CH2+H 1.000E+13 0.0000 0.0",
       "CH3X=>CH2+H 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "CH3(+M)<=>CH2+H(+M) 1.000E+13 0.0000 0.0",
       "CH3X(+M)<=>CH2+H(+M) 1.000E+13 0.0000 0.0"},
      // Each row of the pattern table.
      {kReac, "CH3", "CH3X", "H+CH3=>CH4 1.000E+13 0.0000 0.0",
       "H+CH3X=>CH4 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "CH2+H<=>CH3 1.000E+13 0.0000 0.0",
       "CH2+H<=>CH3X 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "C2H6<=>CH3+CH3 1.000E+13 0.0000 0.0",
       "C2H6<=>CH3X+CH3X 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "H+CH3(+M)<=>CH4(+M) 1.000E+13 0.0000 0.0",
       "H+CH3X(+M)<=>CH4(+M) 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "H+CH3+M<=>CH4+M 1.000E+13 0.0000 0.0",
       "H+CH3X+M<=>CH4+M 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "C3H8<=>H+CH3+C2H4 1.000E+13 0.0000 0.0",
       "C3H8<=>H+CH3X+C2H4 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "CH2+H(+M)<=>CH3(+M) 1.000E+13 0.0000 0.0",
       "CH2+H(+M)<=>CH3X(+M) 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "C2H6<=>H+C2H4+CH3 1.000E+13 0.0000 0.0",
       "C2H6<=>H+C2H4+CH3X 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "H+H(+CH3)<=>H2(+CH3) 1.000E+13 0.0000 0.0",
       "H+H(+CH3X)<=>H2(+CH3X) 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "CH2+H=>CH3 1.000E+13 0.0000 0.0",
       "CH2+H=>CH3X 1.000E+13 0.0000 0.0"},
      // Behind a coefficient of 2 the name is not renamed.
      {kReac, "CH3", "CH3X", "2CH3<=>C2H6 1.000E+13 0.0000 0.0",
       "2CH3<=>C2H6 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "C2H6<=>2CH3 1.000E+13 0.0000 0.0",
       "C2H6<=>2CH3 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "H+O+2CH3<=>C2H6+OH 1.000E+13 0.0000 0.0",
       "H+O+2CH3<=>C2H6+OH 1.000E+13 0.0000 0.0"},
      // Longer names in every place.
      {kReac, "CH3", "CH3X", "CH3O+H<=>CH3OH 1.000E+13 0.0000 0.0",
       "CH3O+H<=>CH3OH 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "H+CH3O(+M)<=>CH3OH(+M) 1.000E+13 0.0000 0.0",
       "H+CH3O(+M)<=>CH3OH(+M) 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "CH3OH<=>CH3O+H 1.000E+13 0.0000 0.0",
       "CH3OH<=>CH3O+H 1.000E+13 0.0000 0.0"},
      {kReac, "CH3", "CH3X", "H+NCH3<=>SCH3+XCH3 1.000E+13 0.0000 0.0",
       "H+NCH3<=>SCH3+XCH3 1.000E+13 0.0000 0.0"},
      // A reverse-direction line made from a REV line is a reaction line.
      {kReac, "CH3", "CH3X", "CH3+H2<=>CH4+H 1.000E+13 0.0000 2928.8",
       "CH3X+H2<=>CH4+H 1.000E+13 0.0000 2928.8"},
      // Two names sharing one "+" but found by different rows of the
      // table: each row scans the whole line, so both are renamed.
      {kReac, "CH3", "CH3X", "H+CH3+CH3<=>C2H6+H 1.000E+13 0.0000 0.0",
       "H+CH3X+CH3X<=>C2H6+H 1.000E+13 0.0000 0.0"},
      // Two names sharing one "+" (a listed non-elementary reaction): the
      // scan goes on after the first one.
      {kReac, "CH3", "CH3X", "H+CH3+CH3+M<=>C2H6+H+M 1.000E+13 0.0000 0.0",
       "H+CH3X+CH3+M<=>C2H6+H+M 1.000E+13 0.0000 0.0"},
      // A reaction line not longer than the name stays as it is.
      {kReac, "CH3<=>", "X", "CH3<=>", "CH3<=>"},
  };
  RunCases(cases, std::size(cases));
}

TEST(MechanismRulesTest, AuxiliaryLines) {
  const LineCase cases[] = {
      // Efficiencies at the start of the line and after a blank.
      {kReac, "CH3", "CH3X", "CH3/2.00/ H2O/6.00/", "CH3X/2.00/ H2O/6.00/"},
      {kReac, "CH3", "CH3X", "H2/2.00/ CH3/3.00/ CO/1.50/",
       "H2/2.00/ CH3X/3.00/ CO/1.50/"},
      {kReac, "CH3", "CH3X", "H2/2.00/ CH3/3.00/", "H2/2.00/ CH3X/3.00/"},
      // A blank between the name and its "/".
      {kReac, "CH3", "CH3X", "CH3 /2.0/ H2/2.0/", "CH3X /2.0/ H2/2.0/"},
      {kReac, "CH3", "CH3X", "H2/2.0/ CH3 /3.0/", "H2/2.0/ CH3X /3.0/"},
      // Longer names are left alone.
      {kReac, "CH3", "CH3X", "CH3O/2.0/ CH3OH/3.0/ XCH3/1.0/",
       "CH3O/2.0/ CH3OH/3.0/ XCH3/1.0/"},
      // A line that is the name.
      {kReac, "CH3", "CH3X", "CH3", "CH3X"},
      {kReac, "CH3", "CH3X", "****List of non-elementary reactions****",
       "****List of non-elementary reactions****"},
  };
  RunCases(cases, std::size(cases));
}

TEST(MechanismRulesTest, ParameterLinesAreNeverChanged) {
  // With the former name "1.0", each of these lines holds " 1.0 " and would
  // be renamed by the efficiency-line rules; the first case shows that.
  const LineCase cases[] = {
      {kReac, "1.0", "9.9", "FOO /2.0 1.0 3.0/", "FOO /2.0 9.9 3.0/"},
      {kReac, "1.0", "9.9", "LOW /2.0 1.0 3.0/", "LOW /2.0 1.0 3.0/"},
      {kReac, "1.0", "9.9", "HIGH /2.0 1.0 3.0/", "HIGH /2.0 1.0 3.0/"},
      {kReac, "1.0", "9.9", "TROE /2.0 1.0 3.0/", "TROE /2.0 1.0 3.0/"},
      {kReac, "1.0", "9.9", "SRI /2.0 1.0 3.0/", "SRI /2.0 1.0 3.0/"},
      {kReac, "1.0", "9.9", "REV /2.0 1.0 3.0/", "REV /2.0 1.0 3.0/"},
      {kReac, "1.0", "9.9", "DUP 1.0 ", "DUP 1.0 "},
      {kReac, "1.0", "9.9", "DUPLICATE 1.0 ", "DUPLICATE 1.0 "},
      {kReac, "DUP", "X", "DUP", "DUP"},
  };
  RunCases(cases, std::size(cases));
}

TEST(MechanismRulesTest, WholeFile) {
  // Element symbol AR and species AR; a second file starts before REACTIONS
  // again. Lines end in CR LF, CR or LF on input and in CR LF on output.
  const std::string file =
      "ELEMENTS\r\nH   O   AR\r\nEND\r\nSPECIES\r\nH2   AR\rAR\nEND\r\n"
      "REACTIONS\r\nH+AR<=>H+AR 1.000E+13 0.0000 0.0\r\n"
      "H2/2.00/ AR/0.70/\r\nLOW /1.000E+13 0.0000 0.0/\r\nEND\r\n"
      "****List of non-elementary reactions****\r\n"
      "AR+H+H+H<=>AR+H2+H 1.000E+13 0.0000 0.0\r\nAR/0.5/\r\n";
  const std::string expected =
      "ELEMENTS\r\nH   O   AR\r\nEND\r\nSPECIES\r\nH2   ARGON\r\nARGON\r\n"
      "END\r\nREACTIONS\r\nH+ARGON<=>H+ARGON 1.000E+13 0.0000 0.0\r\n"
      "H2/2.00/ ARGON/0.70/\r\nLOW /1.000E+13 0.0000 0.0/\r\nEND\r\n"
      "****List of non-elementary reactions****\r\n"
      "ARGON+H+H+H<=>ARGON+H2+H 1.000E+13 0.0000 0.0\r\nARGON/0.5/\r\n";
  std::optional<std::string> renamed = RenameInMechanism(file, "AR", "ARGON");
  ASSERT_TRUE(renamed.has_value());
  EXPECT_EQ(*renamed, expected);

  // The section state does not leak into the next file.
  MechanismRenamer renamer("AR", "ARGON");
  renamer.RenameLine("REACTIONS");
  EXPECT_EQ(renamer.RenameLine("H2/2.0/ AR AR"), "H2/2.0/ ARGON AR");
  renamer.StartFile();
  EXPECT_EQ(renamer.RenameLine("H2   AR   AR"), "H2   ARGON   ARGON");
  renamer.RenameLine("ELEMENTS");
  EXPECT_EQ(renamer.RenameLine("AR"), "AR");
  renamer.RenameLine("END");
  EXPECT_EQ(renamer.RenameLine("AR"), "ARGON");
}

TEST(MechanismRulesTest, NothingToRenameGivesNothing) {
  const char* file = "ELEMENTS\nH\nEND\nSPECIES\nCH3O\nEND\nREACTIONS\nEND";
  EXPECT_FALSE(RenameInMechanism(file, "CH3", "CH3X").has_value());
  EXPECT_FALSE(RenameInMechanism("", "CH3", "CH3X").has_value());
  // A name renamed to itself changes nothing either.
  EXPECT_FALSE(
      RenameInMechanism("SPECIES\r\nCH3\r\n", "CH3", "CH3").has_value());
}

}  // namespace
}  // namespace kestrelon
