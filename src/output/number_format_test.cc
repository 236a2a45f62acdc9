#include "output/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "table/table_test_support.h"

namespace kestrelon {
namespace {

TEST(ParsePatternTest, KnowsTheListItemsOnly) {
  for (const char* text : {"0.00000", "0.0000E+00", "0.0e+00", " 0.0", "0."}) {
    EXPECT_FALSE(ParsePattern(text).has_value()) << text;
  }
}

TEST(LeadingNumberTest, ReadsTheNumberAtTheStart) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* text;
    double want;
  } cases[] = {
      // The format test below reads its texts here as well.
      {"1.5E+13", 1.5e13},
      {"1.5d-3", 1.5e-3},
      {"+.E5", 0},
      {".5", 0.5},
      // Blanks, tabs and line feeds count for nothing wherever they stand.
      {"- 1 . 5 E + 2", -150},
      {"\t7\n8", 78},
      // Reading stops at what cannot continue the number.
      {"1.2.3", 1.2},
      {"1.5E+", 1.5},
      {"12+3", 12},
      {"1E-400", 0},
      // Beyond the range of a double: infinity, also from many digits.
      {"-1D400", -inf},
      {"0.01E311", inf},
      {"100000000000000000000E-10", 1e10},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LeadingNumber(c.text), c.want) << '"' << c.text << '"';
  }
  EXPECT_EQ(LeadingNumber("1" + std::string(400, '0') + "E-10"), inf);
}

TEST(FormatNumberTest, PrintsTheCoefficientTextWithEveryPattern) {
  struct Case {
    const char *text, *pattern, *want;
  } cases[] = {
      {"3.547E15", "0.000E+00", "3.547E+15"},
      {"123456", "0.000E+00", "1.235E+05"},
      {"9999.6", "0.000E+00", "1.000E+04"},
      {"-2.5E10", "0.000E+00", "-2.500E+10"},
      {"1.0E13", "0.00E+00", "1.00E+13"},
      {"6.02E-5", "0.0E+00", "6.0E-05"},
      {"0", "0.000E+00", "0.000E+00"},
      {"-0.406", "0.0000", "-0.4060"},
      {"2", "0.0000", "2.0000"},
      {"12580.515", "0.00", "12580.52"},
      {"15000", "0", "15000"},
      {"2.5", "0", "3"},
      {"6.0221E23", "0.000E+00", "6.022E+23"},
      {"15000.7", "0", "15001"},
      {"2.0E12/", "0.000E+00", "2.000E+12"},
      {"3.547D+15", "0.000E+00", "3.547E+15"},
      {"", "0.0", "0.0"},
      {"HIGH", "0.0E+00", "0.0E+00"},
      // Exponents of three digits.
      {"1.5E123", "0.000E+00", "1.500E+123"},
      {"-2.25E-200", "0.0E+00", "-2.3E-200"},
      // Rounding carries into the next digit or power.
      {"9.9995", "0.000E+00", "1.000E+01"},
      {"9.9994", "0.000E+00", "9.999E+00"},
      {"-9.95", "0.0E+00", "-1.0E+01"},
      {"9.95E-10", "0.0E+00", "1.0E-09"},
      {"999.95", "0.0", "1000.0"},
      {"0.04999", "0.0", "0.0"},
      {"1.5E22", "0.0", "15000000000000000000000.0"},
      // Half-way is judged on the decimal text, although the stored double
      // may lie a hair below it (2.675 is 2.67499999...), and rounds away
      // from zero.
      {"2.675", "0.00", "2.68"},
      {"1.005", "0.00", "1.01"},
      {"-0.5", "0", "-1"},
      {"-8.25", "0.0E+00", "-8.3E+00"},
      // A negative value that rounds to zero has no sign.
      {"-0", "0.000E+00", "0.000E+00"},
      {"-0.00004", "0.0000", "0.0000"},
      {"-0.4", "0", "0"},
      {"-0.05", "0.0", "-0.1"},
  };
  for (const Case& c : cases) {
    std::optional<NumberPattern> pattern = ParsePattern(c.pattern);
    ASSERT_TRUE(pattern.has_value()) << c.pattern;
    EXPECT_EQ(FormatNumber(LeadingNumber(c.text), *pattern), c.want)
        << '"' << c.text << "\" with " << c.pattern;
  }
}

TEST(FormatNumberTest, RefusesInfinityAndNaN) {
  for (double value : {std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
    for (NumberPattern pattern : {NumberPattern{true, 3}, {false, 1}}) {
      EXPECT_EQ(testing_support::ErrorOf([&] { FormatNumber(value, pattern); }),
                "number out of range")
          << value;
    }
  }
}

}  // namespace
}  // namespace kestrelon
