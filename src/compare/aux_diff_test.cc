#include "compare/aux_diff.h"

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

TEST(AuxDiffTest, ComparesKeywordsByOccurrenceAndEfficienciesAsASet) {
  struct Case {
    const char* a;  // auxiliary lines, LF between them
    const char* b;
    double rel;        // relative tolerance; negative: printed digits
    const char* want;  // "NAME: A -> B" per difference, "-" for none
  } cases[] = {
      // Blanks around the slashes, the order of the lines and the digits
      // printed do not matter.
      {"LOW /1.0E+20 -1.7200 2195.8/\nTROE /0.5 1.0E-30 1.0E+30 /\nH2/2/",
       "H2 /2.0/\nLOW/1.000E+20 -1.7200 2195.8/\nTROE/ 0.5  1.0E-30 1.0E+30/",
       -1, ""},
      {"LOW /1.00E+20 -1.72/", "LOW /1.01E+20 -1.72/", 0.02, ""},
      // A value more or less is a difference.
      {"SRI /0.45 797 979/", "SRI /0.45 797 979 1.0/", 0.02,
       "SRI: /0.45 797 979/ -> /0.45 797 979 1.0/\n"},
      // A keyword with one value is still a keyword; a missing closing
      // slash closes at the end of the line.
      {"", "UNITS /KCAL/\nLOW/1 2 3/ TROE/0.5 1 2", -1,
       "UNITS: - -> /KCAL/\nLOW: - -> /1 2 3/\nTROE: - -> /0.5 1 2/\n"},
      {"H2/2.0/ H2O/14.0/ AR/0.7/", "AR/0.7/ H2O/12.0/ C3H5(A)/1.9/", -1,
       "eff H2: 2.0 -> -\neff H2O: 14.0 -> 12.0\neff C3H5(A): - -> 1.9\n"},
      // PLOG lines pair in order of occurrence.
      {"PLOG /0.1 1.0E+13/\nPLOG /1.0 2.0E+13/",
       "PLOG /0.1 1.0E+13/\nPLOG /1.0 3.0E+13/", -1,
       "PLOG: /1.0 2.0E+13/ -> /1.0 3.0E+13/\n"},
      // Keywords come first, in the order of A then of B.
      {"1,3-C4H6/2.0/\nHIGH /1 2 3/", "REV /4 5 6/", -1,
       "HIGH: /1 2 3/ -> -\nREV: - -> /4 5 6/\neff 1,3-C4H6: 2.0 -> -\n"},
      // A factor given twice counts once, the last time; DUPLICATE is DUP.
      {"H2/2.0/ H2/3.0/", "H2/3.0/ DUPLICATE", -1, "DUP: - -> DUP\n"},
  };
  for (const Case& c : cases) {
    std::vector<AuxItem> items[2];
    for (int side = 0; side < 2; ++side) {
      for (std::string_view line : LinesOf(side == 0 ? c.a : c.b)) {
        ParseAuxLine(line, &items[side]);
      }
    }
    std::string got;
    for (const AuxDifference& d :
         CompareAuxItems(items[0], items[1], Tolerance{c.rel >= 0, c.rel})) {
      got += (d.efficiency ? "eff " : "") + d.name + ": " + d.a.value_or("-") +
             " -> " + d.b.value_or("-") + "\n";
    }
    EXPECT_EQ(got, c.want) << c.a;
  }
}

}  // namespace
}  // namespace kestrelon
