#include "check/thermo_continuity.h"

#include <string>

#include "check/words.h"

namespace kestrelon {
namespace {

constexpr int kSteps = 64;

void CheckJump(const ThermoEntry& e, double tolerance, Findings& findings) {
  const ThermoValues below = EvaluatePolynomial(e.low, e.t_mid);
  const ThermoValues above = EvaluatePolynomial(e.high, e.t_mid);
  const struct {
    const char* name;
    double below, above;
  } quantities[] = {{"Cp/R", below.cp, above.cp},
                    {"H/RT", below.h, above.h},
                    {"S/R", below.s, above.s}};
  std::string text;
  for (const auto& q : quantities) {
    if (!DiffersBeyond(q.below, q.above, tolerance)) continue;
    text += std::string(text.empty() ? ": " : "; ") + q.name + " " +
            ShortNumber(q.below) + " below, " + ShortNumber(q.above) + " above";
  }
  if (!text.empty()) {
    AddWarning(findings, e.file, e.line,
               "thermo data of " + e.name + " jump at " + ShortNumber(e.t_mid) +
                   " K" + text);
  }
}

void CheckCp(const ThermoEntry& e, Findings& findings) {
  double lowest = 0, at = 0;
  auto sample = [&](const Nasa7Coefficients& a, double from, double to) {
    for (int k = 0; k <= kSteps; ++k) {
      const double t = from + (to - from) * k / kSteps;
      const double cp = a[0] + t * (a[1] + t * (a[2] + t * (a[3] + t * a[4])));
      if (cp < lowest) {
        lowest = cp;
        at = t;
      }
    }
  };
  sample(e.low, e.t_low, e.t_mid);
  sample(e.high, e.t_mid, e.t_high);
  if (lowest < 0) {
    AddWarning(findings, e.file, e.line,
               "Cp/R of " + e.name + " is negative at " + ShortNumber(at) +
                   " K (" + ShortNumber(lowest) + ")");
  }
}

}  // namespace

void CheckThermoEntries(const std::vector<ThermoEntry>& entries,
                        double tolerance, Findings& findings) {
  for (const ThermoEntry& e : entries) {
    if (!(e.t_low < e.t_mid && e.t_mid < e.t_high)) {
      AddWarning(findings, e.file, e.line,
                 "temperatures of " + e.name + " out of order: low " +
                     ShortNumber(e.t_low) + ", middle " + ShortNumber(e.t_mid) +
                     ", high " + ShortNumber(e.t_high));
      continue;
    }
    CheckJump(e, tolerance, findings);
    CheckCp(e, findings);
  }
}

}  // namespace kestrelon
