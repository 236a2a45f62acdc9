// What a comparison of two cleaned mechanism files found, as plain data for
// the text and JSON renderings. "A" is the first file, "B" the second.
// Holds no behaviour beyond telling whether anything differs.
#ifndef KESTRELON_COMPARE_COMPARE_REPORT_H_
#define KESTRELON_COMPARE_COMPARE_REPORT_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "compare/aux_diff.h"
#include "compare/number_text.h"
#include "compare/rate_constant.h"

namespace kestrelon {

struct ReactionRef {
  int line = 0;
  std::string text;  // the reaction line as written
  std::string equation;
};

struct FieldDifference {
  std::string name;  // "A", "n" or "Ea"
  std::string a;
  std::string b;
};

// Temperatures at which the rate constants of changed reactions are set
// side by side.
inline constexpr double kRatioTemperatures[] = {1000.0, 2000.0};

struct RateDifference {
  ReactionRef a;
  ReactionRef b;
  bool other_way_round = false;  // B writes the sides the other way round
  std::vector<FieldDifference> fields;
  // k(B) / k(A) at each of kRatioTemperatures; nothing when undefined.
  std::optional<double> ratios[2];
};

struct AuxDifferences {
  ReactionRef a;
  ReactionRef b;
  bool other_way_round = false;
  std::vector<AuxDifference> items;
};

struct ReactionListReport {
  size_t matched = 0;
  size_t matched_other_way_round = 0;
  std::vector<ReactionRef> only_in_a;
  std::vector<ReactionRef> only_in_b;
  std::vector<RateDifference> rate_differences;
  std::vector<AuxDifferences> aux_differences;

  bool Same() const {
    return only_in_a.empty() && only_in_b.empty() && rate_differences.empty() &&
           aux_differences.empty();
  }
};

struct NameListReport {
  std::vector<std::string> only_in_a;  // in the order of the file
  std::vector<std::string> only_in_b;

  bool Same() const { return only_in_a.empty() && only_in_b.empty(); }
};

struct CompareReport {
  std::string file_a;
  std::string file_b;
  OutUnit unit = OutUnit::kCalorie;
  bool unit_from_names = false;  // false: assumed, the names do not tell
  Tolerance tolerance;
  NameListReport elements;
  NameListReport species;
  ReactionListReport reactions;       // the reaction sections
  ReactionListReport non_elementary;  // the lists after them

  bool Same() const {
    return elements.Same() && species.Same() && reactions.Same() &&
           non_elementary.Same();
  }
};

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_COMPARE_REPORT_H_
