#include "check/duplicate_check.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>

#include "check/words.h"

namespace kestrelon {
namespace {

using Counts = std::vector<std::pair<std::string, double>>;

// A side as a multiset, in key order.
Counts SideCounts(const std::vector<NamedSpecies>& terms) {
  Counts counts;
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
  return counts;
}

// "KEY*count " for each species; `less` is taken once off its count.
std::string SideKey(const Counts& counts, const std::string& less = {}) {
  std::string key;
  for (const auto& [name, count] : counts) {
    const double n = name == less ? count - 1 : count;
    if (n > 0) key += name + "*" + ShortNumber(n) + " ";
  }
  return key;
}

struct Sides {
  std::string left;
  std::string right;
};

// The two sides whatever their order.
std::string PairKey(const std::string& a, const std::string& b) {
  return a < b ? a + "|" + b : b + "|" + a;
}

bool SameReaction(const Reaction& a, const Sides& sa, const Reaction& b,
                  const Sides& sb) {
  if (sa.left == sb.left && sa.right == sb.right) return true;
  return (a.reversible || b.reversible) && sa.left == sb.right &&
         sa.right == sb.left;
}

bool HasM(const Reaction& r) {
  return r.third_body == ThirdBody::kM || r.third_body == ThirdBody::kFalloffM;
}

// DUP marks reactions whose rates add up. Beyond the same reaction, that
// is the same species in another rate form (a PLOG and an Arrhenius
// expression), or a third-body reaction and the one with a collider
// written out ("2H+M=H2+M" and "2H+O2=H2+O2"), which overlap through the
// collider's efficiency.
void MarkPartners(const std::vector<Reaction>& reactions,
                  const std::vector<Counts>& left,
                  const std::vector<Counts>& right,
                  const std::vector<Sides>& sides,
                  std::vector<bool>& partnered) {
  std::unordered_map<std::string, std::vector<size_t>> by_species;
  std::unordered_map<std::string, std::vector<size_t>> with_m;
  for (size_t i = 0; i < reactions.size(); ++i) {
    const std::string key = PairKey(sides[i].left, sides[i].right);
    for (size_t j : by_species[key]) {
      if (SameReaction(reactions[j], sides[j], reactions[i], sides[i])) {
        partnered[i] = partnered[j] = true;
      }
    }
    by_species[key].push_back(i);
    if (HasM(reactions[i])) with_m[key].push_back(i);
  }
  for (size_t i = 0; i < reactions.size(); ++i) {
    if (HasM(reactions[i])) continue;
    for (const auto& [collider, count] : left[i]) {
      const bool both_sides =
          std::any_of(right[i].begin(), right[i].end(),
                      [&](const auto& c) { return c.first == collider; });
      if (!both_sides) continue;
      auto it = with_m.find(
          PairKey(SideKey(left[i], collider), SideKey(right[i], collider)));
      if (it == with_m.end()) continue;
      partnered[i] = true;
      for (size_t j : it->second) partnered[j] = true;
    }
  }
}

}  // namespace

void CheckDuplicates(const std::vector<Reaction>& reactions,
                     Findings& findings) {
  const size_t n = reactions.size();
  std::vector<Counts> left(n), right(n);
  std::vector<Sides> sides(n);
  std::vector<bool> partnered(n, false);
  std::unordered_map<std::string, std::vector<size_t>> groups;
  groups.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    const Reaction& r = reactions[i];
    left[i] = SideCounts(r.left);
    right[i] = SideCounts(r.right);
    sides[i] = {SideKey(left[i]), SideKey(right[i])};
    std::string key = PairKey(sides[i].left, sides[i].right) + "|" +
                      std::to_string(static_cast<int>(r.third_body)) +
                      r.third_body_key + "|" +
                      std::to_string(static_cast<int>(r.form));
    std::vector<size_t>& group = groups[key];
    for (size_t j : group) {
      const Reaction& earlier = reactions[j];
      if (!SameReaction(earlier, sides[j], r, sides[i])) continue;
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
  MarkPartners(reactions, left, right, sides, partnered);
  for (size_t i = 0; i < reactions.size(); ++i) {
    const Reaction& r = reactions[i];
    if (r.duplicate && !partnered[i]) {
      AddWarning(findings, 0, r.line,
                 "reaction " + r.equation +
                     " is marked DUP but no other reaction has the same "
                     "species");
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
