#include "model/energy_unit.h"

#include <gtest/gtest.h>

#include "model/number_format.h"

namespace kestrelon {
namespace {

constexpr NumberPattern kOneDecimal{false, 1};

TEST(ConvertEaTest, EveryInputUnitIntoTheThreeOutputUnits) {
  struct Case {
    EaUnit from;
    double x;
    const char* want[3];  // J/mol, cal/mol, K
  } cases[] = {
      {EaUnit::kCal, 25000, {"104600.0", "25000.0", "12580.5"}},
      {EaUnit::kKcal, 25.0, {"104600.0", "25000.0", "12580.5"}},
      {EaUnit::kKj, 100, {"100000.0", "23900.6", "12027.3"}},
      {EaUnit::kJ, 1000, {"1000.0", "239.0", "120.3"}},
      {EaUnit::kKelvin, 10000, {"83144.0", "19872.0", "10000.0"}},
      {EaUnit::kCal, -1000, {"-4184.0", "-1000.0", "-503.2"}},
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
