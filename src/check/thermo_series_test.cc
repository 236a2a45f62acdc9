#include "check/thermo_series.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

// Low range 300-1000 K: Cp/R = 3 + 1e-3 T; high range 1000-5000 K:
// Cp/R = 2.5 + 1e-7 T^2. Four points from 300 to 3000 K: 300, 1200, 2100,
// 3000 K, the first in the low range, the others in the high one.
TEST(CpSeries, EachPointFromTheRangeItLiesIn) {
  ThermoEntry e;
  e.t_low = 300;
  e.t_mid = 1000;
  e.t_high = 5000;
  e.low = {3.0, 1e-3, 0, 0, 0, -1000, 4};
  e.high = {2.5, 0, 1e-7, 0, 0, -900, 5};
  const Series s = CpSeries(e, 300, 3000, 4);
  const SeriesPoint by_hand[] = {
      {300, 3.3}, {1200, 2.644}, {2100, 2.941}, {3000, 3.4}};
  ASSERT_EQ(s.size(), 4u);
  for (size_t i = 0; i < s.size(); ++i) {
    EXPECT_EQ(s[i].t, by_hand[i].t);
    EXPECT_NEAR(s[i].value, by_hand[i].value, 1e-12) << by_hand[i].t;
  }
}

}  // namespace
}  // namespace kestrelon
