// One species' NASA 7-coefficient thermodynamic data and what it gives:
// Cp/R, H/RT and S/R at a temperature. Coefficients a1..a7 of each range are
// held in that order; the low range covers [t_low, t_mid], the high range
// [t_mid, t_high]. Evaluate picks the range by T (below t_mid the low one),
// and outside the ranges extrapolates the nearer polynomial. Plain data and
// arithmetic; nothing here throws.
#ifndef KESTRELON_CHECK_NASA7_H_
#define KESTRELON_CHECK_NASA7_H_

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace kestrelon {

using Nasa7Coefficients = std::array<double, 7>;

struct ThermoEntry {
  std::string name;  // as written
  std::string key;   // upper-cased, for matching
  int line = 0;      // 1-based line of the entry's first line in its file
  int file = 0;      // which file of a check: 0 the mechanism, 1 --thermo
  // Element symbols upper-cased with their counts, zero counts left out.
  std::vector<std::pair<std::string, double>> elements;
  double t_low = 0;
  double t_mid = 0;
  double t_high = 0;
  Nasa7Coefficients high{};
  Nasa7Coefficients low{};
};

struct ThermoValues {
  double cp = 0;  // Cp/R
  double h = 0;   // H/RT
  double s = 0;   // S/R
};

ThermoValues EvaluatePolynomial(const Nasa7Coefficients& a, double t);
ThermoValues Evaluate(const ThermoEntry& entry, double t);

// Whether `a` and `b` differ by more than `tolerance`, relative where the
// larger of the two exceeds 1 in size, absolute below.
bool DiffersBeyond(double a, double b, double tolerance);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_NASA7_H_
