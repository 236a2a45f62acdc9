#include "model/energy_unit.h"

#include <gtest/gtest.h>

#include "model/number_format.h"

namespace kestrelon {
namespace {

constexpr NumberPattern kOneDecimal{false, 1};

TEST(ConvertEaTest, JoulesAndBothRoutesIntoTheThreeOutputUnits) {
  struct Case {
    EaUnit from;
    double x;
    const char* want[3];  // J/mol, cal/mol, K
  } cases[] = {
      // cal/mol, kcal/mol, kJ/mol and K, signs included: the golden runs.
      {EaUnit::kJ, 1000, {"1000.0", "239.0", "120.3"}},
      // The same energy: the calorie route divides by 1.9872, the joule
      // route by 8.3144.
      {EaUnit::kCal, 100000, {"418400.0", "100000.0", "50322.1"}},
      {EaUnit::kJ, 418400, {"418400.0", "100000.0", "50322.3"}},
  };
  for (const Case& c : cases) {
    int i = 0;
    for (OutUnit to : {OutUnit::kJoule, OutUnit::kCalorie, OutUnit::kKelvin}) {
      EXPECT_EQ(FormatNumber(ConvertEa(c.from, to, c.x), kOneDecimal),
                c.want[i++])
          << static_cast<int>(c.from) << " " << c.x;
    }
  }
}

TEST(ConvertEaTest, OperationsRunInTheirFixedOrder) {
  // (x * 4.184) * 1000.0 is not x * 4184.0, and (x * 1000.0) / 4.184 is not
  // x * (1000.0 / 4.184): a regrouped one lands on a neighbouring double.
  EXPECT_EQ(ConvertEa(EaUnit::kKcal, OutUnit::kJoule, 25.0),
            104600.00000000001);
  EXPECT_EQ(ConvertEa(EaUnit::kKj, OutUnit::kCalorie, 15.0),
            3585.0860420650092);
}

}  // namespace
}  // namespace kestrelon
