#include "compare/aux_diff.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

std::vector<AuxItem> Read(std::initializer_list<const char*> lines) {
  std::vector<AuxItem> items;
  for (const char* line : lines) ParseAuxLine(line, &items);
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
  const Tolerance digits;
  struct Case {
    std::vector<AuxItem> a;
    std::vector<AuxItem> b;
    const char* want;
  } cases[] = {
      {Read({"LOW /1.0E+20 -1.7200 2195.8/", "TROE /0.5 1.0E-30 1.0E+30 /",
             "H2/2.0/ H2O/14.0/"}),
       Read({"H2O/14.0/ H2/2.0/", "LOW/1.000E+20 -1.7200 2195.8/",
             "TROE/0.5 1.0E-30 1.0E+30/"}),
       ""},
      {Read({"TROE /0.5 1.0E-30 1.0E+30/"}),
       Read({"TROE /0.6 1.0E-30 1.0E+30/"}),
       "TROE: /0.5 1.0E-30 1.0E+30/ -> /0.6 1.0E-30 1.0E+30/\n"},
      // A value more or less is a difference.
      {Read({"TROE /0.5 1.0E-30 1.0E+30/"}),
       Read({"TROE /0.5 1.0E-30 1.0E+30 1.0E+10/"}),
       "TROE: /0.5 1.0E-30 1.0E+30/ -> /0.5 1.0E-30 1.0E+30 1.0E+10/\n"},
      {Read({"DUP"}), Read({}), "DUP: DUP -> -\n"},
      {Read({}), Read({"SRI /0.45 797 979/"}), "SRI: - -> /0.45 797 979/\n"},
      {Read({"H2/2.0/ H2O/14.0/ AR/0.7/"}), Read({"AR/0.7/ H2O/12.0/ CO/1.9/"}),
       "eff H2: 2.0 -> -\neff H2O: 14.0 -> 12.0\neff CO: - -> 1.9\n"},
      // PLOG lines pair in order of occurrence.
      {Read({"PLOG /0.1 1.0E+13 0.0 0.0/", "PLOG /1.0 2.0E+13 0.0 0.0/"}),
       Read({"PLOG /0.1 1.0E+13 0.0 0.0/", "PLOG /1.0 3.0E+13 0.0 0.0/"}),
       "PLOG: /1.0 2.0E+13 0.0 0.0/ -> /1.0 3.0E+13 0.0 0.0/\n"},
      // Keywords come first, in the order of A then of B.
      {Read({"H2/2.0/", "HIGH /1 2 3/"}), Read({"REV /4 5 6/"}),
       "HIGH: /1 2 3/ -> -\nREV: - -> /4 5 6/\neff H2: 2.0 -> -\n"},
      // A factor given twice counts once, the last time.
      {Read({"H2/2.0/ H2/3.0/"}), Read({"H2/3.0/"}), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Describe(CompareAuxItems(c.a, c.b, digits)), c.want);
  }
}

TEST(AuxDiffTest, ValuesUseTheTolerance) {
  std::vector<AuxItem> a = Read({"LOW /1.00E+20 -1.72 2195.8/"});
  std::vector<AuxItem> b = Read({"LOW /1.01E+20 -1.72 2195.8/"});
  EXPECT_EQ(CompareAuxItems(a, b, Tolerance{}).size(), 1u);
  EXPECT_TRUE(CompareAuxItems(a, b, Tolerance{true, 0.02}).empty());
}

}  // namespace
}  // namespace kestrelon
