#include "output/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/run_error.h"

namespace kestrelon {
namespace {

NumberPattern Pattern(const char* text) {
  std::optional<NumberPattern> pattern = ParsePattern(text);
  EXPECT_TRUE(pattern.has_value()) << text;
  return pattern.value_or(NumberPattern{});
}

TEST(ParsePatternTest, KnowsTheNineListItemsOnly) {
  struct Case {
    const char* text;
    bool scientific;
    int decimals;
  } cases[] = {
      {"0.000E+00", true, 3}, {"0.00E+00", true, 2}, {"0.0E+00", true, 1},
      {"0.0000", false, 4},   {"0.000", false, 3},   {"0.00", false, 2},
      {"0.0", false, 1},      {"0", false, 0},
  };
  for (const Case& c : cases) {
    std::optional<NumberPattern> got = ParsePattern(c.text);
    ASSERT_TRUE(got.has_value()) << c.text;
    EXPECT_EQ(got->scientific, c.scientific) << c.text;
    EXPECT_EQ(got->decimals, c.decimals) << c.text;
  }
  for (const char* text :
       {"", "0.00000", "0.0000E+00", "0.0e+00", " 0.0", "0.", "#.##"}) {
    EXPECT_FALSE(ParsePattern(text).has_value()) << text;
  }
}

TEST(LeadingNumberTest, ReadsTheNumberAtTheStart) {
  struct Case {
    const char* text;
    double want;
  } cases[] = {
      {"1.5E+13", 1.5e13},
      {"1.5D13", 1.5e13},
      {"1.5d13", 1.5e13},
      {"1.5e-3", 1.5e-3},
      {"1.5D-3", 1.5e-3},
      {"-0.406", -0.406},
      {"+2", 2},
      {"15000.0/", 15000},
      {"2.0E12/", 2.0e12},
      {"ABC", 0},
      {"", 0},
      {"   ", 0},
      {".", 0},
      {"-", 0},
      {"+.E5", 0},
      {"E5", 0},
      {".5", 0.5},
      {"5.", 5},
      {"-.25", -0.25},
      // Blanks, tabs and line feeds count for nothing wherever they stand.
      {"  3.5", 3.5},
      {"1 2 3", 123},
      {"- 1 . 5 E + 2", -150},
      {"\t7\n8", 78},
      // Reading stops at what cannot continue the number.
      {"1.2.3", 1.2},
      {"1.5E", 1.5},
      {"1.5E+", 1.5},
      {"1.5EX3", 1.5},
      {"1.5E3E4", 1500},
      {"12+3", 12},
      {"--5", 0},
      {"1,5", 1},
      {"0E99999", 0},
      {"1E-400", 0},
      {"0.000001E-99999999999999", 0},
      {"-1E-400", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LeadingNumber(c.text), c.want) << '"' << c.text << '"';
  }
}

// Texts as mechanisms write coefficients, with up to 20 digits, any point
// and exponents on both sides of the exact powers of ten: the value is the
// double nearest to the text, as strtod reads it.
TEST(LeadingNumberTest, ReadsTheNearestDouble) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    if (random() % 3 == 0) text += random() % 2 ? "-" : "+";
    const int digits = 1 + static_cast<int>(random() % 20);
    const int point = static_cast<int>(random() % (digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    if (random() % 2) {
      text += "E";
      if (random() % 2) text += random() % 2 ? "-" : "+";
      text += std::to_string(random() % 40);
    }
    const double want = std::strtod(text.c_str(), nullptr);
    const double got = LeadingNumber(text);
    ASSERT_EQ(std::memcmp(&got, &want, sizeof got), 0)
        << text << ": " << got << " != " << want;
  }
}

TEST(LeadingNumberTest, BeyondTheDoubleRangeGivesInfinity) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* text;
    double want;
  } cases[] = {
      {"1E400", inf},
      {"-1E400", -inf},
      {"1D99999999999999999999", inf},
      {"0.01E311", inf},
      // Many digits before the point overflow even with a small exponent.
      {"100000000000000000000E-10", 1e10},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LeadingNumber(c.text), c.want) << c.text;
  }
  std::string long_digits = "1" + std::string(400, '0') + "E-10";
  EXPECT_EQ(LeadingNumber(long_digits), inf);
}

TEST(FormatNumberTest, PrintsWithEveryPattern) {
  struct Case {
    double value;
    const char* pattern;
    const char* want;
  } cases[] = {
      // Scientific.
      {3.547e15, "0.000E+00", "3.547E+15"},
      {123456, "0.000E+00", "1.235E+05"},
      {9999.6, "0.000E+00", "1.000E+04"},
      {-2.5e10, "0.000E+00", "-2.500E+10"},
      {1.0e13, "0.00E+00", "1.00E+13"},
      {6.02e-5, "0.0E+00", "6.0E-05"},
      {0, "0.000E+00", "0.000E+00"},
      {0, "0.00E+00", "0.00E+00"},
      {0, "0.0E+00", "0.0E+00"},
      {1.0e13, "0.000E+00", "1.000E+13"},
      {6.0221e23, "0.000E+00", "6.022E+23"},
      {1.5e123, "0.000E+00", "1.500E+123"},
      {1.5e-123, "0.000E+00", "1.500E-123"},
      {-2.25e-200, "0.0E+00", "-2.3E-200"},
      {1, "0.000E+00", "1.000E+00"},
      {0.5, "0.0E+00", "5.0E-01"},
      {9.9995, "0.000E+00", "1.000E+01"},
      {9.9994, "0.000E+00", "9.999E+00"},
      {-9.95, "0.0E+00", "-1.0E+01"},
      {9.95e-10, "0.0E+00", "1.0E-09"},
      {9.5e9, "0.0E+00", "9.5E+09"},
      {1.23456789e300, "0.00E+00", "1.23E+300"},
      {std::numeric_limits<double>::max(), "0.000E+00", "1.798E+308"},
      {std::numeric_limits<double>::denorm_min(), "0.0E+00", "5.0E-324"},
      // Fixed.
      {-0.406, "0.0000", "-0.4060"},
      {2, "0.0000", "2.0000"},
      {12580.515, "0.00", "12580.52"},
      {15000, "0", "15000"},
      {2.5, "0", "3"},
      {-2.5, "0", "-3"},
      {0, "0.0000", "0.0000"},
      {-1.5, "0.0000", "-1.5000"},
      {15000.7, "0", "15001"},
      {16599.0, "0.0", "16599.0"},
      {0.05, "0.0", "0.1"},
      {0.04999, "0.0", "0.0"},
      {0.5, "0", "1"},
      {0.49, "0", "0"},
      {9.96, "0.0", "10.0"},
      {999.95, "0.0", "1000.0"},
      {0.00005, "0.0000", "0.0001"},
      {0.000049, "0.0000", "0.0000"},
      {1e-20, "0.00", "0.00"},
      {1e20, "0", "100000000000000000000"},
      {1.5e22, "0.0", "15000000000000000000000.0"},
      {123.456, "0.000", "123.456"},
      {-7, "0.00", "-7.00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, Pattern(c.pattern)), c.want)
        << c.value << " with " << c.pattern;
  }
}

// A half-way value is judged on the decimal text the user wrote, although
// the stored double may lie a hair below it (2.675 is 2.67499999...).
TEST(FormatNumberTest, HalfWayIsJudgedOnTheShortestDecimalText) {
  struct Case {
    double value;
    const char* pattern;
    const char* want;
  } cases[] = {
      {2.675, "0.00", "2.68"},
      {-2.675, "0.00", "-2.68"},
      {1.005, "0.00", "1.01"},
      {0.125, "0.00", "0.13"},
      {0.135, "0.00", "0.14"},
      {1.45, "0.0", "1.5"},
      {0.00015, "0.0000", "0.0002"},
      {1.0005, "0.000", "1.001"},
      {3.5, "0", "4"},
      {4.5, "0", "5"},
      {-0.5, "0", "-1"},
      {1.2345e15, "0.00E+00", "1.23E+15"},
      {1.235e15, "0.00E+00", "1.24E+15"},
      {1.2355e-7, "0.000E+00", "1.236E-07"},
      {-8.25, "0.0E+00", "-8.3E+00"},
      {12580.515, "0.00", "12580.52"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, Pattern(c.pattern)), c.want)
        << c.value << " with " << c.pattern;
  }
}

TEST(FormatNumberTest, NegativeValuesThatRoundToZeroHaveNoSign) {
  struct Case {
    double value;
    const char* pattern;
    const char* want;
  } cases[] = {
      {-0.0, "0.0000", "0.0000"},
      {-0.0, "0", "0"},
      {-0.0, "0.000E+00", "0.000E+00"},
      {-0.00004, "0.0000", "0.0000"},
      {-0.04, "0.0", "0.0"},
      {-0.4, "0", "0"},
      {-1e-300, "0.00", "0.00"},
      {-0.05, "0.0", "-0.1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, Pattern(c.pattern)), c.want)
        << c.value << " with " << c.pattern;
  }
}

TEST(FormatNumberTest, CoefficientTextsPrintThroughTheLeadingNumber) {
  struct Case {
    const char* text;
    const char* pattern;
    const char* want;
  } cases[] = {
      {"1.0E13", "0.000E+00", "1.000E+13"},
      {"6.0221E23", "0.000E+00", "6.022E+23"},
      {"0", "0.0000", "0.0000"},
      {"-1.5", "0.0000", "-1.5000"},
      {"15000.7", "0", "15001"},
      {"2.0E12/", "0.000E+00", "2.000E+12"},
      {"", "0.000E+00", "0.000E+00"},
      {"", "0.0", "0.0"},
      {"1.5E123", "0.000E+00", "1.500E+123"},
      {"2.675", "0.00", "2.68"},
      {"-0.00001", "0.0000", "0.0000"},
      {"-0", "0.0", "0.0"},
      {"3.547D+15", "0.000E+00", "3.547E+15"},
      {"HIGH", "0.0", "0.0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatNumber(LeadingNumber(c.text), Pattern(c.pattern)), c.want)
        << '"' << c.text << "\" with " << c.pattern;
  }
}

// FormatNumber scales by powers of ten where it can; it must print what the
// rounding of the shortest decimal text prints, for every kind of value:
// half-way texts at every scale, neighbours of powers of ten, converted
// activation energies and random values over the whole range.
TEST(FormatNumberTest, QuickRouteAgreesWithTheShortestDecimalText) {
  const char* const patterns[] = {"0.000E+00", "0.00E+00", "0.0E+00", "0.0000",
                                  "0.000",     "0.00",     "0.0",     "0"};
  std::vector<double> values = {0.0,
                                5e-324,
                                1e-310,
                                2.2250738585072014e-308,
                                1.7976931348623157e308,
                                0x1p52,
                                0x1p53,
                                4503599627370495.5,
                                9007199254740993.0};
  // Half-way texts: 1 to 4 digits and a 5, from 1e-12 to 1e22.
  for (int digits : {5, 15, 25, 125, 995, 2675, 9995, 99995, 10005, 45}) {
    for (int power = -12; power <= 22; ++power) {
      values.push_back(
          LeadingNumber(std::to_string(digits) + "E" + std::to_string(power)));
    }
  }
  for (int power = -30; power <= 30; ++power) {
    const double p = LeadingNumber("1E" + std::to_string(power));
    values.push_back(p);
    values.push_back(std::nextafter(p, 0.0));
    values.push_back(std::nextafter(p, 1e300));
  }
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int i = 0; i < 20000; ++i) {
    // Texts as mechanisms write them, converted as the run converts them.
    const double ea = std::floor(unit(random) * 1e6) / 10.0;
    values.push_back(ea * 4.184);
    values.push_back(ea / 1.9872);
    values.push_back(ea / 8.3144);
    values.push_back(ea * 1000.0 / 4.184);
    // Any magnitude, any digits.
    values.push_back(unit(random) * std::pow(10.0, unit(random) * 60 - 30));
    // Short decimal texts, often half-way at some pattern.
    values.push_back(LeadingNumber(std::to_string(random() % 100000) + "E" +
                                   std::to_string(int(random() % 30) - 15)));
  }
  for (int i = 0; i < 20000; ++i) {
    uint64_t bits = random();
    double any;
    std::memcpy(&any, &bits, sizeof any);
    if (std::isfinite(any)) values.push_back(any);
  }
  for (double v : values) {
    for (double value : {v, -v}) {
      for (const char* pattern : patterns) {
        ASSERT_EQ(FormatNumber(value, Pattern(pattern)),
                  FormatNumberFromDigits(value, Pattern(pattern)))
            << std::hexfloat << value << " with " << pattern;
      }
    }
  }
}

TEST(FormatNumberTest, RefusesInfinityAndNaN) {
  const double values[] = {std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN(),
                           LeadingNumber("1E400")};
  for (double value : values) {
    for (const char* pattern : {"0.000E+00", "0.0"}) {
      try {
        FormatNumber(value, Pattern(pattern));
        ADD_FAILURE() << value << " with " << pattern << " printed";
      } catch (const RunError& error) {
        EXPECT_EQ(error.reason(), "number out of range");
      }
    }
  }
}

}  // namespace
}  // namespace kestrelon
