#include "check/duplicate_check.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>

#include "check/words.h"

namespace kestrelon {
namespace {

// A side as a multiset: "KEY*count" for each species in key order.
std::string SideKey(const std::vector<NamedSpecies>& terms) {
  std::vector<std::pair<std::string, double>> counts;
  for (const NamedSpecies& t : terms) {
    auto it = std::find_if(counts.begin(), counts.end(),
                           [&](const auto& c) { return c.first == t.key; });
    if (it == counts.end()) {
      counts.emplace_back(t.key, t.coefficient);
    } else {
      it->second += t.coefficient;
    }
  }
  std::sort(counts.begin(), counts.end());
  std::string key;
  for (const auto& [name, count] : counts) {
    key += name + "*" + ShortNumber(count) + " ";
  }
  return key;
}

struct Sides {
  std::string left;
  std::string right;
};

bool SameReaction(const Reaction& a, const Sides& sa, const Reaction& b,
                  const Sides& sb) {
  if (sa.left == sb.left && sa.right == sb.right) return true;
  return (a.reversible || b.reversible) && sa.left == sb.right &&
         sa.right == sb.left;
}

bool HasM(const Reaction& r) {
  return r.third_body == ThirdBody::kM || r.third_body == ThirdBody::kFalloffM;
}

}  // namespace

void CheckDuplicates(const std::vector<Reaction>& reactions,
                     Findings& findings) {
  std::vector<Sides> sides(reactions.size());
  std::vector<bool> partnered(reactions.size(), false);
  std::unordered_map<std::string, std::vector<size_t>> groups;
  groups.reserve(reactions.size());
  for (size_t i = 0; i < reactions.size(); ++i) {
    const Reaction& r = reactions[i];
    sides[i] = {SideKey(r.left), SideKey(r.right)};
    const std::string& lo = std::min(sides[i].left, sides[i].right);
    const std::string& hi = std::max(sides[i].left, sides[i].right);
    std::string key = lo + "|" + hi + "|" +
                      std::to_string(static_cast<int>(r.third_body)) +
                      r.third_body_key + "|" +
                      std::to_string(static_cast<int>(r.form));
    std::vector<size_t>& group = groups[key];
    for (size_t j : group) {
      const Reaction& earlier = reactions[j];
      if (!SameReaction(earlier, sides[j], r, sides[i])) continue;
      partnered[i] = partnered[j] = true;
      if (!(earlier.duplicate && r.duplicate)) {
        AddError(findings, 0, r.line,
                 "reaction " + r.equation + " repeats the one at line " +
                     std::to_string(earlier.line) +
                     " (same species, third body and rate form) and the two "
                     "are not both marked DUP");
      }
      break;
    }
    group.push_back(i);
  }
  for (size_t i = 0; i < reactions.size(); ++i) {
    const Reaction& r = reactions[i];
    if (r.duplicate && !partnered[i]) {
      AddWarning(findings, 0, r.line,
                 "reaction " + r.equation +
                     " is marked DUP but no other reaction has the same "
                     "species, third body and rate form");
    }
    if (r.a && *r.a < 0 && !r.duplicate) {
      AddWarning(findings, 0, r.line,
                 "reaction " + r.equation + " has a negative A (" +
                     ShortNumber(*r.a) + ") and is not marked DUP");
    }
    if (!r.efficiencies.empty() && !HasM(r)) {
      AddWarning(findings, 0, r.efficiencies.front().line,
                 "efficiencies given to reaction " + r.equation +
                     ", which has no third body M");
    }
  }
}

}  // namespace kestrelon
