// The unit of the activation energies of a cleaned file, told by its name,
// and the ratio of two rate constants k = A T^n exp(-Ea / (R T)).
//
// The writer names its three files NAME + "j", "cal" or "kelvin" + "." +
// extension, so the end of the name before the extension tells the unit
// (compared without regard to case). R is 8.3144 J/mol/K for J/mol and
// 1.9872 cal/mol/K for cal/mol; for K the value is Ea/R already. Never
// throws.
#ifndef KESTRELON_COMPARE_RATE_CONSTANT_H_
#define KESTRELON_COMPARE_RATE_CONSTANT_H_

#include <optional>
#include <string>
#include <string_view>

#include "model/energy_unit.h"

namespace kestrelon {

// The unit named by the end of the file name of `path`, or nothing.
std::optional<OutUnit> EaUnitFromName(std::string_view path);

struct Arrhenius {
  double a = 0;
  double n = 0;
  double ea = 0;
};

// k(second) / k(first) at `temperature` (K), or nothing when it is not a
// finite number (a rate constant of zero, A of opposite signs, overflow).
std::optional<double> RateRatio(const Arrhenius& first, const Arrhenius& second,
                                OutUnit unit, double temperature);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_RATE_CONSTANT_H_
