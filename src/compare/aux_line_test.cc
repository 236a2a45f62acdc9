#include "compare/aux_line.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

// name, values text (or "-" for none), efficiency flag, joined by "|".
std::string Describe(const std::vector<AuxItem>& items) {
  std::string out;
  for (const AuxItem& item : items) {
    if (!out.empty()) out += " | ";
    out += std::string(item.name) +
           (item.has_values ? " " + item.ValuesText() : " -");
    if (item.efficiency) out += " eff";
  }
  return out;
}

TEST(AuxLineTest, ReadsKeywordsAndEfficiencies) {
  struct Case {
    const char* line;
    const char* want;
  } cases[] = {
      {"LOW /6.366E+20 -1.7200 2195.8/", "LOW /6.366E+20 -1.7200 2195.8/"},
      // Blanks around the slashes do not matter.
      {"TROE /0.5 1.0E-30 1.0E+30 /", "TROE /0.5 1.0E-30 1.0E+30/"},
      {"TROE/ 0.5  1.0E-30 1.0E+30/", "TROE /0.5 1.0E-30 1.0E+30/"},
      {"SRI /0.45 797 979/", "SRI /0.45 797 979/"},
      {"DUP", "DUP -"},
      {"DUPLICATE", "DUP -"},
      {"H2/2.5/ H2O/12.0/", "H2 /2.5/ eff | H2O /12.0/ eff"},
      {"H2 /2.5/ AR /0.0/", "H2 /2.5/ eff | AR /0.0/ eff"},
      // A keyword with one value is still a keyword.
      {"UNITS /KCAL/", "UNITS /KCAL/"},
      // Several items on one line; a missing closing slash closes at the end.
      {"LOW/1 2 3/ TROE/0.5 1 2", "LOW /1 2 3/ | TROE /0.5 1 2/"},
      // A species with parentheses and commas in its name.
      {"C3H5(A)/2.0/ 1,3-C4H6/3/", "C3H5(A) /2.0/ eff | 1,3-C4H6 /3/ eff"},
      {"", ""},
  };
  for (const Case& c : cases) {
    std::vector<AuxItem> items;
    ParseAuxLine(c.line, &items);
    EXPECT_EQ(Describe(items), c.want) << c.line;
  }
}

TEST(AuxLineTest, AppendsToTheItemsOfEarlierLines) {
  std::vector<AuxItem> items;
  ParseAuxLine("LOW /1 2 3/", &items);
  ParseAuxLine("H2/2.0/", &items);
  EXPECT_EQ(Describe(items), "LOW /1 2 3/ | H2 /2.0/ eff");
}

}  // namespace
}  // namespace kestrelon
