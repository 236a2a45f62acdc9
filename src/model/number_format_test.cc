#include "model/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "tests/support/run_test_support.h"

namespace kestrelon {
namespace {

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

// Texts as mechanisms write coefficients, with up to 20 digits, any point
// and exponents on both sides of the exact powers of ten: the value is the
// double nearest to the text, as strtod reads it.
TEST(LeadingNumberTest, ReadsTheNearestDouble) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 200000; ++i) {
    std::string text = random() % 3 ? "" : random() % 2 ? "-" : "+";
    const int digits = 1 + static_cast<int>(random() % 20);
    const int point = static_cast<int>(random() % (digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    if (random() % 2) {
      text += random() % 2 ? "E" : random() % 2 ? "E-" : "E+";
      text += std::to_string(random() % 40);
    }
    const double want = std::strtod(text.c_str(), nullptr);
    const double got = LeadingNumber(text);
    ASSERT_EQ(std::memcmp(&got, &want, sizeof got), 0) << text;
  }
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

// FormatNumber scales by powers of ten where it can; it must print what the
// rounding of the shortest decimal text prints, for every kind of value:
// half-way texts at every scale, neighbours of powers of ten, converted
// activation energies and random values over the whole range.
TEST(FormatNumberTest, QuickRouteAgreesWithTheShortestDecimalText) {
  std::vector<double> values;
  for (const char* text :
       {"0", "5E-324", "1E-310", "2.2250738585072014E-308",
        "1.7976931348623157E308", "4503599627370495.5", "4503599627370496",
        "9007199254740992", "9007199254740993"}) {
    values.push_back(LeadingNumber(text));
  }
  for (int power = -30; power <= 30; ++power) {
    const double p = LeadingNumber("1E" + std::to_string(power));
    values.insert(values.end(),
                  {p, std::nextafter(p, 0.0), std::nextafter(p, 1e300)});
    // Half-way texts: 1 to 4 digits and a 5.
    for (int digits : {5, 15, 25, 125, 995, 2675, 9995, 99995, 10005, 45}) {
      values.push_back(
          LeadingNumber(std::to_string(digits) + "E" + std::to_string(power)));
    }
  }
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int i = 0; i < 20000; ++i) {
    // Texts as mechanisms write them, converted as the run converts them.
    const double ea = std::floor(unit(random) * 1e6) / 10.0;
    values.insert(values.end(),
                  {ea * 4.184, ea / 1.9872, ea / 8.3144, ea * 1000.0 / 4.184});
    // Any magnitude, any digits; short decimal texts; any bits.
    values.push_back(unit(random) * std::pow(10.0, unit(random) * 60 - 30));
    values.push_back(LeadingNumber(std::to_string(random() % 100000) + "E" +
                                   std::to_string(int(random() % 30) - 15)));
    const uint64_t bits = random();
    double any;
    std::memcpy(&any, &bits, sizeof any);
    if (std::isfinite(any)) values.push_back(any);
  }
  for (double v : values) {
    for (double value : {v, -v}) {
      for (int decimals = 0; decimals <= 4; ++decimals) {
        for (bool scientific : {false, true}) {
          if (scientific && (decimals < 1 || decimals > 3)) continue;
          const NumberPattern pattern{scientific, decimals};
          ASSERT_EQ(FormatNumber(value, pattern),
                    FormatNumberFromDigits(value, pattern))
              << std::hexfloat << value << " with " << decimals;
        }
      }
    }
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
