#include "compare/rate_series.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/cleaned_file.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

// k = A T^n exp(-Ea/(R T)), written out here rather than taken from the
// code under test.
double HandK(double a, double n, double ea, double r, double t) {
  return a * std::pow(t, n) * std::exp(-ea / (r * t));
}

// The golden run of thermo_falloff wrote the same mechanism in three units;
// k of each reaction line, read back from each file, is A T^n exp(-Ea/RT)
// with that unit's R, and the three files agree within 0.1 % (the Ea
// conversion rounds, and its constants are given to five digits).
TEST(RateSeriesTest, RateConstantOfGoldenFilesInEachUnit) {
  struct Case {
    const char* file;
    OutUnit unit;
    double r;
  };
  const Case cases[] = {{"m1j.rxn", OutUnit::kJoule, 8.3144},
                        {"m1cal.rxn", OutUnit::kCalorie, 1.9872},
                        {"m1kelvin.rxn", OutUnit::kKelvin, 1.0}};
  const std::vector<double> temperatures = {300.0, 1000.0, 1234.5, 3000.0};
  // H2+O2<=>OH+OH, the one reaction with an Ea, at each temperature.
  std::vector<std::vector<double>> h2_o2;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = std::string(KESTRELON_SOURCE_DIR) +
                             "/tests/golden/thermo_falloff/expected/" + c.file;
    CleanedFile m = ReadCleanedFile(ReadFile(path), path);
    ASSERT_EQ(m.reactions.size(), 4u);
    for (const CleanedReactionLine& r : m.reactions) {
      SCOPED_TRACE(std::string(r.equation));
      Series s = RateConstantSeries({r.a_value, r.n_value, r.ea_value}, c.unit,
                                    temperatures);
      ASSERT_EQ(s.size(), temperatures.size());
      for (size_t i = 0; i < s.size(); ++i) {
        double want =
            HandK(r.a_value, r.n_value, r.ea_value, c.r, temperatures[i]);
        EXPECT_EQ(s[i].t, temperatures[i]);
        EXPECT_NEAR(s[i].value / want, 1.0, 1e-12);
      }
    }
    Series s = RateConstantSeries(
        {m.reactions[3].a_value, 0.0, m.reactions[3].ea_value}, c.unit,
        temperatures);
    std::vector<double> k;
    for (const SeriesPoint& p : s) k.push_back(p.value);
    h2_o2.push_back(k);
  }
  // At 300 K: 1.7E+13 exp(-199911.5 / (8.3144 * 300)) = 2.6496E-22.
  EXPECT_NEAR(h2_o2[0][0] / 2.6496e-22, 1.0, 1e-4);
  for (size_t i = 0; i < temperatures.size(); ++i) {
    EXPECT_NEAR(h2_o2[1][i] / h2_o2[0][i], 1.0, 1e-3);
    EXPECT_NEAR(h2_o2[2][i] / h2_o2[0][i], 1.0, 1e-3);
  }
}

TEST(RateSeriesTest, PointsWithoutAPositiveFiniteValueAreLeftOut) {
  const std::vector<double> t = {300.0, 3000.0};
  struct Case {
    const char* name;
    Arrhenius a, b;
    size_t points;
  };
  const Case cases[] = {
      {"both positive", {2.0, 0, 0}, {6.0, 1.0, 100.0}, 2},
      {"A of zero", {0.0, 0, 0}, {6.0, 0, 0}, 0},
      {"negative A in A", {-2.0, 0, 0}, {6.0, 0, 0}, 0},
      {"both negative", {-2.0, 0, 0}, {-6.0, 0, 0}, 0},
      // exp(-1E+6/300) underflows; at 3000 K it does not.
      {"underflow at 300 K", {1.0, 0, 0}, {1.0, 0, 1.0e6}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RatioSeries(c.a, c.b, OutUnit::kKelvin, t).size(), c.points);
  }
  EXPECT_TRUE(RateConstantSeries({-1.0, 0, 0}, OutUnit::kJoule, t).empty());
}

TEST(RateSeriesTest, RatioAgainstHandValuesAndSpread) {
  const Arrhenius a{5.08e4, 2.67, 26317.4};
  const Arrhenius b{6.0e4, 2.5, 25000.0};
  const std::vector<double> t = {300.0, 1000.0, 3000.0};
  Series s = RatioSeries(a, b, OutUnit::kJoule, t);
  ASSERT_EQ(s.size(), 3u);
  double spread = 0;
  for (size_t i = 0; i < t.size(); ++i) {
    double want = HandK(b.a, b.n, b.ea, 8.3144, t[i]) /
                  HandK(a.a, a.n, a.ea, 8.3144, t[i]);
    EXPECT_NEAR(s[i].value / want, 1.0, 1e-12);
    spread = std::max(spread, std::fabs(std::log10(want)));
  }
  EXPECT_NEAR(Spread(s), spread, 1e-12);
  // A ratio below 1 spreads as far as its inverse.
  EXPECT_DOUBLE_EQ(Spread({{300.0, 0.01}, {400.0, 10.0}}), 2.0);
  EXPECT_EQ(Spread({}), 0.0);
}

TEST(RateSeriesTest, Grids) {
  const TemperatureRange range{300.0, 3000.0};
  EXPECT_EQ(TemperatureGrid(range, 4),
            (std::vector<double>{300.0, 1200.0, 2100.0, 3000.0}));
  std::vector<double> inverse = InverseTemperatureGrid(range, 4);
  ASSERT_EQ(inverse.size(), 4u);
  EXPECT_EQ(inverse.front(), 300.0);
  EXPECT_EQ(inverse.back(), 3000.0);
  // Even steps of 1/T: 1/300, 1/300 - 1/1000, ...
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(1000.0 / inverse[i], 1000.0 / 300.0 - i, 1e-12);
  }
  EXPECT_TRUE(IsUsableRange(range));
  EXPECT_FALSE(IsUsableRange({3000.0, 300.0}));
  EXPECT_FALSE(IsUsableRange({0.0, 300.0}));
  EXPECT_FALSE(IsUsableRange({500.0, 500.0}));
  EXPECT_FALSE(IsUsableRange({300.0, INFINITY}));
}

TEST(RateSeriesTest, OrderAndUnitsOfK) {
  struct Case {
    const char* equation;
    int order;
    const char* units;
  };
  const Case cases[] = {
      {"H+O2<=>OH+O", 2, "cm³/(mol·s)"},
      {"H2+M<=>H+H+M", 2, "cm³/(mol·s)"},
      {"H+O2+M<=>HO2+M", 3, "cm⁶/(mol²·s)"},
      {"H+O2(+M)<=>HO2(+M)", 2, "cm³/(mol·s)"},
      {"H2O2(+AR)<=>2OH(+AR)", 1, "1/s"},
      {"2OH<=>H2O+O", 2, "cm³/(mol·s)"},
      {"H+H+H+H=>H2+H2", 4, "cm⁹/(mol³·s)"},
      {"1-C4H8<=>C2H4+C2H4", 1, "1/s"},
      {"2,5-C6H8+H=>X", 2, "cm³/(mol·s)"},
      {"H3O++E=>H2O+H", 2, "cm³/(mol·s)"},
      {"NOT A REACTION", 0, "mol/(cm³·s)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.equation);
    EXPECT_EQ(ReactionOrder(c.equation), c.order);
    EXPECT_EQ(RateConstantUnits(c.order), c.units);
  }
  EXPECT_EQ(RateConstantUnits(6), "cm¹⁵/(mol⁵·s)");
}

}  // namespace
}  // namespace kestrelon
