#include "compare/rate_constant.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrelon {
namespace {

TEST(RateConstantTest, UnitFromTheEndOfTheName) {
  struct Case {
    const char* path;
    std::optional<FileEaUnit> unit;
  } cases[] = {
      {"/tmp/x/GRIJ.RXN", FileEaUnit::kJoule}, {"mechj", FileEaUnit::kJoule},
      {"a.b.kelvin.rxn", FileEaUnit::kKelvin}, {"gri.rxn", std::nullopt},
      {"/d.j/gri.rxn", std::nullopt},          {"gri.cal", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EaUnitFromName(c.path), c.unit) << c.path;
  }
}

TEST(RateConstantTest, RatioOfRateConstants) {
  const double e = std::exp(1.0);
  const double kNone = 0;
  struct Case {
    Arrhenius first;
    Arrhenius second;
    FileEaUnit unit;
    double temperature;
    double want;  // kNone: no ratio
  } cases[] = {
      {{1, 0, 0}, {1, 1, 0}, FileEaUnit::kJoule, 2000, 2000},
      // Ea/(R T) = 1 at 1000 K in each unit, 1/2 at 2000 K.
      {{1, 0, 0}, {1, 0, 8314.4}, FileEaUnit::kJoule, 1000, 1 / e},
      {{1, 0, 0}, {1, 0, 1987.2}, FileEaUnit::kCalorie, 1000, 1 / e},
      {{1, 0, 1000}, {1, 0, 0}, FileEaUnit::kKelvin, 2000, std::sqrt(e)},
      // Large A do not overflow a moderate ratio.
      {{1e300, 0, 0}, {3e300, 0, 0}, FileEaUnit::kJoule, 1000, 3},
      {{-1, 0, 0}, {-2, 0, 0}, FileEaUnit::kJoule, 1000, 2},
      // Where the ratio is not a number.
      {{0, 0, 0}, {1, 0, 0}, FileEaUnit::kJoule, 1000, kNone},
      {{1, 0, 0}, {0, 0, 0}, FileEaUnit::kJoule, 1000, kNone},
      {{1, 0, 0}, {-1, 0, 0}, FileEaUnit::kJoule, 1000, kNone},
      {{1, 0, 0}, {1, 0, -1e9}, FileEaUnit::kKelvin, 1000, kNone},
  };
  for (const Case& c : cases) {
    std::optional<double> r =
        RateRatio(c.first, c.second, c.unit, c.temperature);
    ASSERT_EQ(r.has_value(), c.want != kNone) << c.want;
    if (r) {
      EXPECT_NEAR(*r, c.want, c.want * 1e-12);
    }
  }
}

}  // namespace
}  // namespace kestrelon
