#include "compare/number_text.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(NumberTextTest, ReadsWholeNumberTextsOnly) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {"3.547E+15", true, 3.547e15},
      {"-0.4060", true, -0.406},
      {"1600", true, 1600},
      {".5", true, 0.5},
      {"5.", true, 5},
      {"1.0D+13", true, 1e13},
      {"1.0e-30", true, 1e-30},
      {"+2", true, 2},
      {"", false, 0},
      {"+", false, 0},
      {".", false, 0},
      {"E5", false, 0},
      {"1.0E", false, 0},
      {"1.0E+", false, 0},
      {"1..0", false, 0},
      {"1.0x", false, 0},
      {"ABC", false, 0},
      {" 1.0", false, 0},
      {"1.0.0", false, 0},
      {"1E+400", false, 0},
  };
  for (const Case& c : cases) {
    std::optional<double> v = ParseNumberText(c.text);
    ASSERT_EQ(v.has_value(), c.ok) << c.text;
    if (c.ok) {
      EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
    }
  }
}

TEST(NumberTextTest, LastDigitUnitFollowsTheDecimalsAndTheExponent) {
  struct Case {
    const char* text;
    double unit;
  } cases[] = {
      {"3.547E+15", 1e12}, {"-0.4060", 1e-4}, {"1600", 1},
      {".5", 0.1},         {"5.", 1},         {"1.0D+13", 1e12},
      {"1.0e-30", 1e-31},  {"69450.2", 0.1},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(LastDigitUnit(c.text), c.unit) << c.text;
  }
}

TEST(NumberTextTest, PrintedDigitsTolerance) {
  const Tolerance digits;
  struct Case {
    const char* a;
    const char* b;
    bool differ;
  } cases[] = {
      {"3.547E+15", "3.547E+15", false},
      // A change in the last printed digit is a change.
      {"3.547E+15", "3.548E+15", true},
      {"0.5", "0.6", true},
      {"0.0000", "-0.4060", true},
      // One value printed with two patterns is not.
      {"1.05", "1.1", false},
      {"1.0", "1.05", false},
      {"1.000E+13", "1.0E+13", false},
      {"10.0", "1.000E+01", false},
      {"-0.0", "0.0", false},
      {"16599.0", "16599", false},
      // 1.0 covers [0.95, 1.05), 1.06 covers [1.055, 1.065): no common value.
      {"1.0", "1.06", true},
      {"ABC", "ABC", false},
      {"ABC", "ABD", true},
      {"1.0", "ABC", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumberTextsDiffer(c.a, c.b, digits), c.differ)
        << c.a << " vs " << c.b;
    EXPECT_EQ(NumberTextsDiffer(c.b, c.a, digits), c.differ)
        << c.b << " vs " << c.a;
  }
}

TEST(NumberTextTest, RelativeTolerance) {
  struct Case {
    double rel;
    const char* a;
    const char* b;
    bool differ;
  } cases[] = {
      {0.01, "100", "100.9", false}, {0.01, "100", "102", true},
      {0.01, "0", "0.0", false},     {0.01, "0", "1E-30", true},
      {0, "1.0", "1.00", false},     {0, "1.0", "1.01", true},
      {0.5, "ABC", "ABD", true},
  };
  for (const Case& c : cases) {
    Tolerance t{true, c.rel};
    EXPECT_EQ(NumberTextsDiffer(c.a, c.b, t), c.differ)
        << c.rel << ": " << c.a << " vs " << c.b;
  }
}

}  // namespace
}  // namespace kestrelon
