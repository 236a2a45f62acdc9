// The curve a Cp(T) plot draws, as plain data: Cp/R of one species' NASA
// 7-coefficient data at temperatures evenly spaced in T from `t_low` to
// `t_high` (both included), each range's polynomial where it applies and
// the nearer one extrapolated outside (see nasa7.h). A point whose value is
// not finite is left out, so the series may be shorter than `points`.
// `points` must be 2 or more and t_low < t_high. Never throws beyond
// std::bad_alloc.
#ifndef KESTRELON_CHECK_THERMO_SERIES_H_
#define KESTRELON_CHECK_THERMO_SERIES_H_

#include "check/nasa7.h"
#include "compare/rate_series.h"

namespace kestrelon {

// SeriesPoint::value is Cp/R.
Series CpSeries(const ThermoEntry& entry, double t_low, double t_high,
                int points);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_THERMO_SERIES_H_
