#include "table/non_elementary.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

TEST(IsNonElementaryTest, CountsThePlusSignsOfEachSide) {
  struct Case {
    const char* line;
    bool want;
  } cases[] = {
      {"H+O2+M<=>HO2+M 1 2 3", false},
      {"A+B+C+D<=>E 1 2 3", true},
      {"A+B<=>C+D+E+F 1 2 3", true},
      {"A+B+C<=>D+E+F 1 2 3", false},
      {"A+B+C+(M)<=>D+(M) 1 2 3", true},
      {"A+B+C+D|=>E 1 2 3", true},
      {"A+B|=>C+D+E+F 1 2 3", true},
      // Coefficients are not read: five molecules, two signs.
      {"A+B+C|=>2D+F+2D 1 2 3", false},
      // Signs after the first blank belong to the fields.
      {"A+B<=>C+D 1.0E+13 +0 +1+2+3", false},
      // Signs next to the arrow count for their side alone.
      {"+++A<=>B 1 2 3", true},
      {"A<=>+++B 1 2 3", true},
      {"A++<=>++B 1 2 3", false},
      {"A+B+<=>C+D+ 1 2 3", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsNonElementary(c.line), c.want) << c.line;
  }
  EXPECT_EQ(testing_support::ErrorOf([] { IsNonElementary("A+B<= >C 1 2 3"); }),
            "blank inside an equation");
}

}  // namespace
}  // namespace kestrelon
