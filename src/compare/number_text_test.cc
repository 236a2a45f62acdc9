#include "compare/number_text.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(NumberTextTest, WholeNumberTextsTheirLastDigitAndTolerances) {
  struct Number {
    const char* text;
    double value;  // 0: not a number
    double unit;   // of the last printed digit
  } numbers[] = {
      {"3.547E+15", 3.547e15, 1e12},
      {"-0.4060", -0.406, 1e-4},
      {".5", 0.5, 0.1},
      {"1.0D+13", 1e13, 1e12},
      {"+1.0e-30", 1e-30, 1e-31},
      {"E5", 0, 0},
      {"1.0E+", 0, 0},
      {"1..0", 0, 0},
      {" 1.0", 0, 0},
      {"1E+400", 0, 0},
  };
  for (const Number& c : numbers) {
    std::optional<double> v = ParseNumberText(c.text);
    EXPECT_DOUBLE_EQ(v.value_or(0), c.value) << c.text;
    EXPECT_DOUBLE_EQ(v ? LastDigitUnit(c.text) : 0, c.unit) << c.text;
  }
  struct Pair {
    double rel;  // negative: a change in the last printed digit differs
    const char* a;
    const char* b;
    bool differ;
  } pairs[] = {
      {-1, "3.547E+15", "3.548E+15", true},
      {-1, "0.0000", "-0.4060", true},
      // One value printed with two patterns does not differ.
      {-1, "1.05", "1.1", false},
      {-1, "10.0", "1.000E+01", false},
      {-1, "-0.0", "0.0", false},
      // 1.0 covers [0.95, 1.05), 1.06 covers [1.055, 1.065): no common value.
      {-1, "1.0", "1.06", true},
      {-1, "ABC", "ABC", false},
      {-1, "1.0", "ABC", true},
      {0.01, "100", "100.9", false},
      {0.01, "100", "102", true},
      {0.01, "0", "1E-30", true},
      {0, "1.0", "1.00", false},
      {0.5, "ABC", "ABD", true},
  };
  for (const Pair& c : pairs) {
    Tolerance t{c.rel >= 0, c.rel};
    EXPECT_EQ(NumberTextsDiffer(c.a, c.b, t), c.differ) << c.a << " " << c.b;
    EXPECT_EQ(NumberTextsDiffer(c.b, c.a, t), c.differ) << c.b << " " << c.a;
  }
}

}  // namespace
}  // namespace kestrelon
