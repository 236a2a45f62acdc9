// The curves a k(T) plot draws, as plain data: the rate constant
// k = A T^n exp(-Ea / (R T)) of one reaction over a range of temperatures,
// and the ratio k(B)/k(A) of a reaction matched in two mechanisms. Reads
// only Arrhenius coefficients (see rate_constant.h for R and the units);
// the chart decides the axes (log10 k against 1000/T, the ratio against T).
//
// A point where k or the ratio is not a finite positive number (A of zero
// or below, overflow) is left out of its series, so a series may hold fewer
// points than temperatures. Also the units of k for the reaction's order,
// read off its equation. Never throws beyond std::bad_alloc.
#ifndef KESTRELON_COMPARE_RATE_SERIES_H_
#define KESTRELON_COMPARE_RATE_SERIES_H_

#include <string>
#include <string_view>
#include <vector>

#include "compare/rate_constant.h"

namespace kestrelon {

struct TemperatureRange {
  double low = 300.0;  // K
  double high = 3000.0;
};

// A range is usable when 0 < low < high and both are finite.
bool IsUsableRange(const TemperatureRange& range);

// Temperatures for a plot against 1000/T: `count` (2 or more) values from
// range.low to range.high, evenly spaced in 1/T, both ends included.
std::vector<double> InverseTemperatureGrid(const TemperatureRange& range,
                                           int count);
// The same, evenly spaced in T.
std::vector<double> TemperatureGrid(const TemperatureRange& range, int count);

struct SeriesPoint {
  double t = 0;      // K
  double value = 0;  // k, or k(B)/k(A)
};
using Series = std::vector<SeriesPoint>;

// k of `rate` at each of `temperatures`, in the mechanism's units.
Series RateConstantSeries(const Arrhenius& rate, OutUnit unit,
                          const std::vector<double>& temperatures);

// k(b)/k(a) at each of `temperatures`.
Series RatioSeries(const Arrhenius& a, const Arrhenius& b, OutUnit unit,
                   const std::vector<double>& temperatures);

// The largest |log10| of the ratios of `ratios`: how far apart the two
// rate constants get. 0 for an empty series.
double Spread(const Series& ratios);

// The order of a reaction (molecules on its left side: "2OH" counts two, a
// third body "+M" one, a fall-off "(+M)" none, since the reaction line of a
// fall-off reaction is its high-pressure limit), and the units of k for it
// in mol, cm and s, as "1/s", "cm³/(mol·s)", "cm⁶/(mol²·s)", "mol/(cm³·s)".
int ReactionOrder(std::string_view equation);
std::string RateConstantUnits(int order);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_RATE_SERIES_H_
