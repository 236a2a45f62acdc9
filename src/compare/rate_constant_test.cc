#include "compare/rate_constant.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrelon {
namespace {

TEST(RateConstantTest, UnitFromTheNameAndRatioOfRateConstants) {
  EXPECT_EQ(EaUnitFromName("/x/GRIJ.RXN"), OutUnit::kJoule);
  EXPECT_EQ(EaUnitFromName("/d.j/gri.rxn"), std::nullopt);
  const double e = std::exp(1.0);
  struct Case {
    Arrhenius first, second;
    OutUnit unit;
    double temperature;
    double want;  // 0: no ratio
  } cases[] = {
      // Ea/(R T) = 1 at 1000 K in each unit, 1/2 at 2000 K.
      {{1, 0, 0}, {1, 0, 1987.2}, OutUnit::kCalorie, 1000, 1 / e},
      {{1, 0, 1000}, {1, 0, 0}, OutUnit::kKelvin, 2000, std::sqrt(e)},
      // Large A do not overflow a moderate ratio.
      {{1e300, 0, 0}, {3e300, 0, 0}, OutUnit::kJoule, 1000, 3},
      {{-1, 0, 0}, {-2, 0, 0}, OutUnit::kJoule, 1000, 2},
      {{1, 0, 0}, {-1, 0, 0}, OutUnit::kJoule, 1000, 0},
      {{1, 0, 0}, {1, 0, -1e9}, OutUnit::kKelvin, 1000, 0},
  };
  for (const Case& c : cases) {
    std::optional<double> r =
        RateRatio(c.first, c.second, c.unit, c.temperature);
    EXPECT_NEAR(r.value_or(0), c.want, c.want * 1e-12);
    EXPECT_EQ(r.has_value(), c.want != 0);
  }
}

}  // namespace
}  // namespace kestrelon
