// Element balance: for every reaction, the count of each element on the
// left (coefficient times the species' count from its thermo entry) against
// the right; the electron "E" counts as an element, so charge is balanced
// too. Third bodies and photons are not species and count for nothing.
//
// A reaction with a species that has no thermo entry (or is not declared)
// is not judged; their number is returned. Each unbalanced reaction gives
// one error at its line, naming every element that differs with both sums:
//   reaction H+O2<=>OH is not balanced in O: 2 on the left, 1 on the right
// Sums closer than the rounding of written coefficients allows
// ("1.3077H2" for 17/13) are equal. Linear in the number of terms; nothing here
// throws but std::bad_alloc.
#ifndef KESTRELON_CHECK_BALANCE_CHECK_H_
#define KESTRELON_CHECK_BALANCE_CHECK_H_

#include <vector>

#include "check/finding.h"
#include "check/reaction.h"
#include "check/thermo_index.h"

namespace kestrelon {

// Returns the number of reactions not judged.
int CheckBalance(const std::vector<Reaction>& reactions,
                 const ThermoIndex& thermo, Findings& findings);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_BALANCE_CHECK_H_
