#include "check/balance_check.h"

#include <cmath>
#include <string>
#include <utility>

#include "check/words.h"

namespace kestrelon {
namespace {

// Sums per element, in the order the elements first appear; a reaction
// names a handful of elements, so a short list beats a hash map.
struct ElementSums {
  std::vector<std::pair<std::string, double>> left_right[2];

  void Add(int side, const std::string& element, double count) {
    for (int s = 0; s < 2; ++s) {
      bool found = false;
      for (auto& [name, sum] : left_right[s]) {
        if (name != element) continue;
        found = true;
        if (s == side) sum += count;
      }
      if (!found) left_right[s].emplace_back(element, s == side ? count : 0);
    }
  }
};

bool AddSide(const std::vector<NamedSpecies>& terms, int side,
             const ThermoIndex& thermo, ElementSums& sums) {
  for (const NamedSpecies& t : terms) {
    const ThermoEntry* entry = thermo.Find(t.key);
    if (entry == nullptr) return false;
    for (const auto& [element, count] : entry->elements) {
      sums.Add(side, element, t.coefficient * count);
    }
  }
  return true;
}

}  // namespace

int CheckBalance(const std::vector<Reaction>& reactions,
                 const ThermoIndex& thermo, Findings& findings) {
  int unjudged = 0;
  for (const Reaction& r : reactions) {
    ElementSums sums;
    if (!AddSide(r.left, 0, thermo, sums) ||
        !AddSide(r.right, 1, thermo, sums)) {
      ++unjudged;
      continue;
    }
    std::string text;
    for (size_t k = 0; k < sums.left_right[0].size(); ++k) {
      const auto& [element, left] = sums.left_right[0][k];
      const double right = sums.left_right[1][k].second;
      // Coefficients such as 0.5 are exact in binary; the slack only
      // absorbs sums of decimal fractions.
      if (std::fabs(left - right) <= 1e-6 * std::max(1.0, std::fabs(left))) {
        continue;
      }
      text += (text.empty() ? " in " : "; in ") + element + ": " +
              ShortNumber(left) + " on the left, " + ShortNumber(right) +
              " on the right";
    }
    if (!text.empty()) {
      AddError(findings, 0, r.line,
               "reaction " + r.equation + " is not balanced" + text);
    }
  }
  return unjudged;
}

}  // namespace kestrelon
