#include "compare/rate_series.h"

#include <cmath>

#include "compare/reaction_key.h"

namespace kestrelon {
namespace {

// k(x) is the ratio of x to a reaction whose k is 1 at every temperature;
// RateRatio works through logarithms, so a large A or a steep exponential
// does not overflow a moderate k.
constexpr Arrhenius kUnitRate{1.0, 0.0, 0.0};

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int Multiplier(std::string_view item) {
  size_t digits = 0;
  while (digits < item.size() && item[digits] >= '0' && item[digits] <= '9') {
    ++digits;
  }
  // "2OH" is two OH; "2,3-C4H6" or "1-C4H8" names one species.
  if (digits == 0 || digits == item.size() || digits > 2) return 1;
  if (!IsLetter(item[digits]) && item[digits] != '(') return 1;
  return std::stoi(std::string(item.substr(0, digits)));
}

std::string Superscript(int n) {
  static const char* const kDigits[] = {"⁰", "¹", "²", "³", "⁴",
                                        "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string text;
  for (char c : std::to_string(n)) text += kDigits[c - '0'];
  return text;
}

// "cm" or "cm⁶", "mol" or "mol²".
std::string Power(const char* unit, int n) {
  return n == 1 ? std::string(unit) : unit + Superscript(n);
}

}  // namespace

bool IsUsableRange(const TemperatureRange& range) {
  return std::isfinite(range.low) && std::isfinite(range.high) &&
         range.low > 0 && range.low < range.high;
}

std::vector<double> InverseTemperatureGrid(const TemperatureRange& range,
                                           int count) {
  std::vector<double> grid;
  const double first = 1.0 / range.low;
  const double last = 1.0 / range.high;
  for (int i = 0; i < count; ++i) {
    // The ends are set exactly, not as 1/(1/T), so that they read 300 K
    // and 3000 K and not one unit in the last place beside them.
    if (i == 0) {
      grid.push_back(range.low);
    } else if (i == count - 1) {
      grid.push_back(range.high);
    } else {
      grid.push_back(1.0 / (first + (last - first) * i / (count - 1)));
    }
  }
  return grid;
}

std::vector<double> TemperatureGrid(const TemperatureRange& range, int count) {
  std::vector<double> grid;
  for (int i = 0; i < count; ++i) {
    grid.push_back(i == count - 1 ? range.high
                                  : range.low + (range.high - range.low) * i /
                                                    (count - 1));
  }
  return grid;
}

Series RateConstantSeries(const Arrhenius& rate, OutUnit unit,
                          const std::vector<double>& temperatures) {
  return RatioSeries(kUnitRate, rate, unit, temperatures);
}

Series RatioSeries(const Arrhenius& a, const Arrhenius& b, OutUnit unit,
                   const std::vector<double>& temperatures) {
  Series series;
  series.reserve(temperatures.size());
  for (double t : temperatures) {
    std::optional<double> r = RateRatio(a, b, unit, t);
    // A ratio of two negative A is positive, but neither k is a rate
    // constant; and a ratio that underflowed to 0 has no logarithm.
    if (r && *r > 0 && a.a > 0) series.push_back({t, *r});
  }
  return series;
}

double Spread(const Series& ratios) {
  double spread = 0;
  for (const SeriesPoint& p : ratios) {
    spread = std::fmax(spread, std::fabs(std::log10(p.value)));
  }
  return spread;
}

int ReactionOrder(std::string_view equation) {
  ReactionKey key = MakeReactionKey(equation);
  int order = 0;
  for (std::string_view item : SplitSide(key.left)) {
    if (item.size() >= 2 && item[0] == '(' && item[1] == '+') continue;
    order += Multiplier(item);
  }
  return order;
}

std::string RateConstantUnits(int order) {
  if (order == 1) return "1/s";
  if (order < 1) return Power("mol", 1 - order) + "/(" + Power("cm", 3) + "·s)";
  return Power("cm", 3 * (order - 1)) + "/(" + Power("mol", order - 1) + "·s)";
}

}  // namespace kestrelon
