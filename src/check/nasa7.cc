#include "check/nasa7.h"

#include <algorithm>
#include <cmath>

namespace kestrelon {

ThermoValues EvaluatePolynomial(const Nasa7Coefficients& a, double t) {
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  ThermoValues v;
  v.cp = a[0] + a[1] * t + a[2] * t2 + a[3] * t3 + a[4] * t4;
  v.h = a[0] + a[1] * t / 2 + a[2] * t2 / 3 + a[3] * t3 / 4 + a[4] * t4 / 5 +
        a[5] / t;
  v.s = a[0] * std::log(t) + a[1] * t + a[2] * t2 / 2 + a[3] * t3 / 3 +
        a[4] * t4 / 4 + a[6];
  return v;
}

ThermoValues Evaluate(const ThermoEntry& entry, double t) {
  return EvaluatePolynomial(t < entry.t_mid ? entry.low : entry.high, t);
}

bool DiffersBeyond(double a, double b, double tolerance) {
  const double scale = std::max({1.0, std::fabs(a), std::fabs(b)});
  return std::fabs(a - b) > tolerance * scale;
}

}  // namespace kestrelon
