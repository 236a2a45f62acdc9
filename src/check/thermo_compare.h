// Compares two sets of NASA 7-coefficient thermo data species by species.
//
// Species are matched by name whatever their case; where a file holds a
// species twice, its first entry counts (the one a run uses). For each
// species in both, Cp/R, H/RT and S/R are set side by side at each of the
// chosen temperatures, and the pairs that differ by more than the tolerance
// (relative where the value exceeds 1 in size, absolute below) are kept.
// Linear in the number of entries (a hash map of B's names); nothing here
// throws but std::bad_alloc.
#ifndef KESTRELON_CHECK_THERMO_COMPARE_H_
#define KESTRELON_CHECK_THERMO_COMPARE_H_

#include <string>
#include <vector>

#include "check/thermo_reader.h"

namespace kestrelon {

struct ThermoCompareSettings {
  std::vector<double> temperatures{300.0, 1000.0, 2000.0};
  double tolerance = 1e-3;
};

struct SpeciesRef {
  std::string name;
  int line = 0;
};

struct ValueDifference {
  const char* quantity;  // "Cp/R", "H/RT" or "S/R"
  double temperature;
  double a;
  double b;
};

struct SpeciesDifference {
  SpeciesRef a;
  SpeciesRef b;
  std::vector<ValueDifference> values;
};

struct ThermoCompareReport {
  std::string file_a;
  std::string file_b;
  ThermoCompareSettings settings;
  size_t matched = 0;
  std::vector<SpeciesRef> only_in_a;  // in file order
  std::vector<SpeciesRef> only_in_b;
  std::vector<SpeciesDifference> differences;  // in A's order
  bool Same() const {
    return only_in_a.empty() && only_in_b.empty() && differences.empty();
  }
};

ThermoCompareReport CompareThermo(const ThermoData& a, const ThermoData& b,
                                  const ThermoCompareSettings& settings);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_THERMO_COMPARE_H_
