// The checks of each NASA 7-coefficient entry on its own, as warnings at
// its first line:
//   - temperatures out of order (low < middle < high does not hold); such
//     an entry is not looked at further;
//   - Cp/R, H/RT or S/R jumping at the middle temperature, the low and the
//     high polynomial there differing by more than `tolerance` (relative
//     where the value exceeds 1 in size, absolute below), every quantity
//     that jumps named with both values;
//   - Cp/R negative somewhere in its range: each polynomial is sampled at
//     its ends and at 64 steps between, and the lowest value is named.
// Constant work per entry; nothing here throws but std::bad_alloc.
#ifndef KESTRELON_CHECK_THERMO_CONTINUITY_H_
#define KESTRELON_CHECK_THERMO_CONTINUITY_H_

#include <vector>

#include "check/finding.h"
#include "check/nasa7.h"

namespace kestrelon {

inline constexpr double kDefaultThermoTolerance = 1e-3;

void CheckThermoEntries(const std::vector<ThermoEntry>& entries,
                        double tolerance, Findings& findings);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_THERMO_CONTINUITY_H_
