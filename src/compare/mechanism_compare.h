// Compares two cleaned mechanism files (model/cleaned_file.h) and reports every
// difference: element and species names only in one file, reactions only
// in one file, matched reactions whose A, n or Ea differ beyond the
// tolerance (with the ratio of their rate constants), matched reactions
// whose auxiliary items differ, and the same for the lists of
// non-elementary reactions. A reaction matched with its sides written the
// other way round is compared with its coefficients as written, and marked
// so. Linear in the size of the two mechanisms. Never throws.
#ifndef KESTRELON_COMPARE_MECHANISM_COMPARE_H_
#define KESTRELON_COMPARE_MECHANISM_COMPARE_H_

#include <string>

#include "compare/compare_report.h"
#include "model/cleaned_file.h"

namespace kestrelon {

struct CompareSettings {
  std::string file_a;  // names, for the report
  std::string file_b;
  OutUnit unit = OutUnit::kCalorie;
  bool unit_from_names = false;
  Tolerance tolerance;
};

CompareReport CompareMechanisms(const CleanedFile& a, const CleanedFile& b,
                                const CompareSettings& settings);

// Names of `a` missing from `b`, in the order of `a`, each once.
std::vector<std::string> NamesMissingFrom(const std::vector<std::string>& a,
                                          const std::vector<std::string>& b);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_MECHANISM_COMPARE_H_
