#include "check/thermo_series.h"

#include <cmath>

namespace kestrelon {

Series CpSeries(const ThermoEntry& entry, double t_low, double t_high,
                int points) {
  Series series;
  for (double t : TemperatureGrid({t_low, t_high}, points)) {
    const double cp = Evaluate(entry, t).cp;
    if (std::isfinite(cp)) series.push_back({t, cp});
  }
  return series;
}

}  // namespace kestrelon
