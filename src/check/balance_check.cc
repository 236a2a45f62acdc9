#include "check/balance_check.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "check/words.h"

namespace kestrelon {
namespace {

// Sums per element, in the order the elements first appear; a reaction
// names a handful of elements, so a short list beats a hash map.
struct ElementSum {
  std::string element;
  double side[2] = {0, 0};
  // How far the sums may be apart because coefficients are written
  // rounded ("0.3333" for a third).
  double slack = 0;
};

struct ElementSums {
  std::vector<ElementSum> sums;

  void Add(int side, const std::string& element, double count, double slack) {
    auto it = std::find_if(sums.begin(), sums.end(), [&](const ElementSum& s) {
      return s.element == element;
    });
    if (it == sums.end()) it = sums.insert(sums.end(), {element});
    it->side[side] += count;
    it->slack += slack;
  }
};

bool AddSide(const std::vector<NamedSpecies>& terms, int side,
             const ThermoIndex& thermo, ElementSums& sums) {
  for (const NamedSpecies& t : terms) {
    const ThermoEntry* entry = thermo.Find(t.key);
    if (entry == nullptr) return false;
    for (const auto& [element, count] : entry->elements) {
      sums.Add(side, element, t.coefficient * count,
               t.coefficient_slack * std::fabs(count));
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
    for (const ElementSum& e : sums.sums) {
      const double left = e.side[0], right = e.side[1];
      // Beyond the written rounding, the slack only absorbs sums of
      // decimal fractions in binary.
      const double allowed = e.slack + 1e-9 * std::max(1.0, std::fabs(left));
      if (std::fabs(left - right) <= allowed) continue;
      text += (text.empty() ? " in " : "; in ") + e.element + ": " +
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
