#include "output/ea_convert.h"

#include <gtest/gtest.h>

#include <cmath>

#include "output/number_format.h"
#include "platform/run_error.h"

namespace kestrelon {
namespace {

constexpr NumberPattern kOneDecimal{false, 1};

std::string Printed(EaUnit from, OutUnit to, double x) {
  return FormatNumber(ConvertEa(from, to, x), kOneDecimal);
}

TEST(ConvertEaTest, EveryInputUnitIntoTheThreeOutputUnits) {
  struct Case {
    EaUnit from;
    double x;
    const char* joule;
    const char* calorie;
    const char* kelvin;
  } cases[] = {
      {EaUnit::kCal, 25000, "104600.0", "25000.0", "12580.5"},
      {EaUnit::kKcal, 25.0, "104600.0", "25000.0", "12580.5"},
      {EaUnit::kKj, 100, "100000.0", "23900.6", "12027.3"},
      {EaUnit::kJ, 1000, "1000.0", "239.0", "120.3"},
      {EaUnit::kKelvin, 10000, "83144.0", "19872.0", "10000.0"},
      // A negative energy keeps its sign in every unit.
      {EaUnit::kCal, -1000, "-4184.0", "-1000.0", "-503.2"},
      {EaUnit::kKj, 0, "0.0", "0.0", "0.0"},
      {EaUnit::kKcal, 0, "0.0", "0.0", "0.0"},
      {EaUnit::kJ, 0, "0.0", "0.0", "0.0"},
      {EaUnit::kCal, 0, "0.0", "0.0", "0.0"},
      {EaUnit::kKelvin, 0, "0.0", "0.0", "0.0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "unit " << static_cast<int>(c.from) << ", x " << c.x);
    EXPECT_EQ(Printed(c.from, OutUnit::kJoule, c.x), c.joule);
    EXPECT_EQ(Printed(c.from, OutUnit::kCalorie, c.x), c.calorie);
    EXPECT_EQ(Printed(c.from, OutUnit::kKelvin, c.x), c.kelvin);
  }
}

TEST(ConvertEaTest, CalorieAndJouleRoutesUseTheirOwnGasConstant) {
  // 100000 cal/mol and 418400 J/mol are the same energy, but the calorie
  // route divides by 1.9872 (50322.06...) and the joule route by 8.3144
  // (50322.33...).
  EXPECT_EQ(Printed(EaUnit::kCal, OutUnit::kKelvin, 100000), "50322.1");
  EXPECT_EQ(Printed(EaUnit::kJ, OutUnit::kKelvin, 418400), "50322.3");
  EXPECT_EQ(Printed(EaUnit::kKcal, OutUnit::kKelvin, 100), "50322.1");
  EXPECT_EQ(Printed(EaUnit::kKj, OutUnit::kKelvin, 418.4), "50322.3");
}

TEST(ConvertEaTest, OperationsRunInTheirFixedOrder) {
  // Values where a regrouped product or quotient lands on a neighbouring
  // double: (x * 4.184) * 1000.0 is not x * 4184.0, and (x * 1000.0) / 4.184
  // is not x * (1000.0 / 4.184).
  EXPECT_EQ(ConvertEa(EaUnit::kKcal, OutUnit::kJoule, 25.0),
            104600.00000000001);
  EXPECT_NE(ConvertEa(EaUnit::kKcal, OutUnit::kJoule, 25.0), 25.0 * 4184.0);
  EXPECT_EQ(ConvertEa(EaUnit::kKcal, OutUnit::kJoule, 3.273),
            13694.232000000002);
  EXPECT_EQ(ConvertEa(EaUnit::kKj, OutUnit::kCalorie, 15.0),
            3585.0860420650092);
  EXPECT_NE(ConvertEa(EaUnit::kKj, OutUnit::kCalorie, 15.0),
            15.0 * (1000.0 / 4.184));
}

TEST(ConvertEaTest, OverflowGivesAnInfinityThatPrintingRefuses) {
  double huge = ConvertEa(EaUnit::kKj, OutUnit::kJoule, 1e306);
  EXPECT_TRUE(std::isinf(huge));
  EXPECT_THROW(FormatNumber(huge, kOneDecimal), RunError);
}

}  // namespace
}  // namespace kestrelon
