#include "compare/aux_diff.h"

#include <gtest/gtest.h>

#include "platform/text_file.h"

namespace kestrelon {
namespace {

// The items of the auxiliary lines in `lines` (LF between them), which must
// outlive the items.
std::vector<AuxItem> Read(const char* lines) {
  std::vector<AuxItem> items;
  for (std::string_view line : SplitLines(lines)) ParseAuxLine(line, &items);
  return items;
}

// One line per difference: "NAME: A -> B", "-" for a missing side, "eff"
// before an efficiency.
std::string Describe(const std::vector<AuxDifference>& diffs) {
  std::string out;
  for (const AuxDifference& d : diffs) {
    out += (d.efficiency ? "eff " : "") + d.name + ": " + d.a.value_or("-") +
           " -> " + d.b.value_or("-") + "\n";
  }
  return out;
}

TEST(AuxDiffTest, ComparesKeywordsByOccurrenceAndEfficienciesAsASet) {
  struct Case {
    const char* a;
    const char* b;
    const char* want;
  } cases[] = {
      // Blanks around the slashes, the order of the lines and the digits
      // printed do not matter.
      {"LOW /1.0E+20 -1.7200 2195.8/\nTROE /0.5 1.0E-30 1.0E+30 /\n"
       "H2/2.0/ H2O/14.0/",
       "H2O /14.0/ H2/2.0/\nLOW/1.000E+20 -1.7200 2195.8/\n"
       "TROE/ 0.5  1.0E-30 1.0E+30/",
       ""},
      {"TROE /0.5 1.0E-30 1.0E+30/", "TROE /0.6 1.0E-30 1.0E+30/",
       "TROE: /0.5 1.0E-30 1.0E+30/ -> /0.6 1.0E-30 1.0E+30/\n"},
      // A value more or less is a difference.
      {"SRI /0.45 797 979/", "SRI /0.45 797 979 1.0/",
       "SRI: /0.45 797 979/ -> /0.45 797 979 1.0/\n"},
      {"DUPLICATE", "", "DUP: DUP -> -\n"},
      // A keyword with one value is still a keyword; a missing closing
      // slash closes at the end of the line.
      {"", "UNITS /KCAL/\nLOW/1 2 3/ TROE/0.5 1 2",
       "UNITS: - -> /KCAL/\nLOW: - -> /1 2 3/\nTROE: - -> /0.5 1 2/\n"},
      {"H2/2.0/ H2O/14.0/ AR/0.7/", "AR/0.7/ H2O/12.0/ C3H5(A)/1.9/",
       "eff H2: 2.0 -> -\neff H2O: 14.0 -> 12.0\neff C3H5(A): - -> 1.9\n"},
      // PLOG lines pair in order of occurrence.
      {"PLOG /0.1 1.0E+13 0.0 0.0/\nPLOG /1.0 2.0E+13 0.0 0.0/",
       "PLOG /0.1 1.0E+13 0.0 0.0/\nPLOG /1.0 3.0E+13 0.0 0.0/",
       "PLOG: /1.0 2.0E+13 0.0 0.0/ -> /1.0 3.0E+13 0.0 0.0/\n"},
      // Keywords come first, in the order of A then of B.
      {"1,3-C4H6/2.0/\nHIGH /1 2 3/", "REV /4 5 6/",
       "HIGH: /1 2 3/ -> -\nREV: - -> /4 5 6/\neff 1,3-C4H6: 2.0 -> -\n"},
      // A factor given twice counts once, the last time.
      {"H2/2.0/ H2/3.0/", "H2/3.0/", ""},
  };
  for (const Case& c : cases) {
    std::vector<AuxItem> a = Read(c.a);
    std::vector<AuxItem> b = Read(c.b);
    EXPECT_EQ(Describe(CompareAuxItems(a, b, Tolerance{})), c.want) << c.a;
  }
}

TEST(AuxDiffTest, ValuesUseTheTolerance) {
  std::vector<AuxItem> a = Read("LOW /1.00E+20 -1.72 2195.8/");
  std::vector<AuxItem> b = Read("LOW /1.01E+20 -1.72 2195.8/");
  EXPECT_EQ(CompareAuxItems(a, b, Tolerance{}).size(), 1u);
  EXPECT_TRUE(CompareAuxItems(a, b, Tolerance{true, 0.02}).empty());
}

}  // namespace
}  // namespace kestrelon
