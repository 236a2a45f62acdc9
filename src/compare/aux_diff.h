// Differences between the auxiliary items of two matched reactions.
//
// Keyword items (LOW, HIGH, TROE, SRI, REV, PLOG, DUP, ...) are compared by
// name, the k-th occurrence of a name in one reaction with the k-th in the
// other, value by value (numbers within the tolerance, other texts
// exactly; a different count of values is a difference). Efficiencies are
// compared as a set of species/factor pairs, whatever their order or the
// lines they stand on. Reads only; never throws.
#ifndef KESTRELON_COMPARE_AUX_DIFF_H_
#define KESTRELON_COMPARE_AUX_DIFF_H_

#include <optional>
#include <string>
#include <vector>

#include "compare/aux_line.h"
#include "compare/number_text.h"

namespace kestrelon {

struct AuxDifference {
  std::string name;         // keyword, or the species of an efficiency
  bool efficiency = false;  // a third-body factor
  // The item in each file: "/v1 v2 v3/" for a keyword with values, the
  // keyword itself for a bare one ("DUP"), the factor for an efficiency;
  // nothing where the file lacks it.
  std::optional<std::string> a;
  std::optional<std::string> b;
};

// In the order of first appearance in `a`, then of `b`; keywords first,
// then efficiencies.
std::vector<AuxDifference> CompareAuxItems(const std::vector<AuxItem>& a,
                                           const std::vector<AuxItem>& b,
                                           const Tolerance& tolerance);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_AUX_DIFF_H_
