#include "check/duplicate_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <unordered_map>

#include "check/words.h"

namespace kestrelon {
namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

// A species of a side with its count, pointing at the key in the reaction.
struct Count {
  const std::string* key;
  double n;
  uint64_t hash;  // of the key
};
// A side as a multiset, in key order.
using Counts = std::vector<Count>;

Counts SideCounts(const std::vector<NamedSpecies>& terms) {
  Counts counts;
  counts.reserve(terms.size());
  for (const NamedSpecies& t : terms) {
    auto it = std::find_if(counts.begin(), counts.end(),
                           [&](const Count& c) { return *c.key == t.key; });
    if (it == counts.end()) {
      counts.push_back(
          {&t.key, t.coefficient, std::hash<std::string>()(t.key)});
    } else {
      it->n += t.coefficient;
    }
  }
  std::sort(counts.begin(), counts.end(),
            [](const Count& a, const Count& b) { return *a.key < *b.key; });
  return counts;
}

uint64_t Mix(uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  return h;
}

// Counts are compared exactly where hashes agree; `less` is taken once off
// its count (a collider taken out of both sides).
uint64_t SideHash(const Counts& side, const std::string* less = nullptr) {
  uint64_t h = 0x9e3779b97f4a7c15ULL;
  for (const Count& c : side) {
    const double n = less != nullptr && *c.key == *less ? c.n - 1 : c.n;
    if (n <= 0) continue;
    uint64_t bits;
    std::memcpy(&bits, &n, sizeof bits);
    h = Mix(h ^ c.hash) + bits;
  }
  return Mix(h);
}

bool SameSide(const Counts& a, const Counts& b,
              const std::string* less = nullptr) {
  size_t j = 0;
  for (const Count& c : a) {
    const double n = less != nullptr && *c.key == *less ? c.n - 1 : c.n;
    if (n <= 0) continue;
    if (j >= b.size() || *b[j].key != *c.key || b[j].n != n) return false;
    ++j;
  }
  return j == b.size();
}

// The two sides whatever their order.
uint64_t PairHash(uint64_t a, uint64_t b) {
  return Mix(std::min(a, b)) ^ Mix(std::max(a, b) + 0x632be59bd9b4e019ULL);
}

struct Sides {
  Counts left;
  Counts right;
  uint64_t pair_hash = 0;  // of the two sides whatever their order
};

bool SameReaction(const Reaction& a, const Sides& sa, const Reaction& b,
                  const Sides& sb) {
  if (SameSide(sa.left, sb.left) && SameSide(sa.right, sb.right)) return true;
  return (a.reversible || b.reversible) && SameSide(sa.left, sb.right) &&
         SameSide(sa.right, sb.left);
}

bool HasM(const Reaction& r) {
  return r.third_body == ThirdBody::kM || r.third_body == ThirdBody::kFalloffM;
}

// Reactions chained by a hash: the last one with each hash, and for each
// reaction the one before it with the same hash.
class Chains {
 public:
  explicit Chains(size_t n) : before_(n, kNone) { last_.reserve(n); }
  // Adds `i`; returns the one added before it with `hash`, or kNone.
  size_t Add(uint64_t hash, size_t i) {
    auto [it, fresh] = last_.emplace(hash, i);
    if (!fresh) {
      before_[i] = it->second;
      it->second = i;
    }
    return before_[i];
  }
  size_t Last(uint64_t hash) const {
    auto it = last_.find(hash);
    return it == last_.end() ? kNone : it->second;
  }
  size_t Before(size_t i) const { return before_[i]; }

 private:
  std::unordered_map<uint64_t, size_t> last_;
  std::vector<size_t> before_;
};

// DUP marks reactions whose rates add up. Beyond the same reaction, that
// is the same species in another rate form (a PLOG and an Arrhenius
// expression), or a third-body reaction and the one with a collider
// written out ("2H+M=H2+M" and "2H+O2=H2+O2"), which overlap through the
// collider's efficiency.
void MarkPartners(const std::vector<Reaction>& reactions,
                  const std::vector<Sides>& sides,
                  std::vector<bool>& partnered) {
  const size_t n = reactions.size();
  Chains by_species(n), with_m(n);
  for (size_t i = 0; i < n; ++i) {
    const uint64_t key = sides[i].pair_hash;
    for (size_t j = by_species.Add(key, i); j != kNone;
         j = by_species.Before(j)) {
      if (SameReaction(reactions[j], sides[j], reactions[i], sides[i])) {
        partnered[i] = partnered[j] = true;
      }
    }
    if (HasM(reactions[i])) with_m.Add(key, i);
  }
  for (size_t i = 0; i < n; ++i) {
    if (HasM(reactions[i])) continue;
    const Sides& s = sides[i];
    for (const Count& c : s.left) {
      const bool both_sides =
          std::any_of(s.right.begin(), s.right.end(),
                      [&](const Count& r) { return *r.key == *c.key; });
      if (!both_sides) continue;
      const uint64_t key =
          PairHash(SideHash(s.left, c.key), SideHash(s.right, c.key));
      for (size_t j = with_m.Last(key); j != kNone; j = with_m.Before(j)) {
        const Sides& m = sides[j];
        if ((SameSide(s.left, m.left, c.key) &&
             SameSide(s.right, m.right, c.key)) ||
            (SameSide(s.left, m.right, c.key) &&
             SameSide(s.right, m.left, c.key))) {
          partnered[i] = partnered[j] = true;
        }
      }
    }
  }
}

}  // namespace

void CheckDuplicates(const std::vector<Reaction>& reactions,
                     Findings& findings) {
  const size_t n = reactions.size();
  std::vector<Sides> sides(n);
  std::vector<bool> partnered(n, false);
  Chains groups(n);
  for (size_t i = 0; i < n; ++i) {
    const Reaction& r = reactions[i];
    sides[i].left = SideCounts(r.left);
    sides[i].right = SideCounts(r.right);
    sides[i].pair_hash =
        PairHash(SideHash(sides[i].left), SideHash(sides[i].right));
    const uint64_t key =
        sides[i].pair_hash ^ Mix(std::hash<std::string>()(r.third_body_key) +
                                 static_cast<uint64_t>(r.third_body) * 16 +
                                 static_cast<uint64_t>(r.form));
    for (size_t j = groups.Add(key, i); j != kNone; j = groups.Before(j)) {
      const Reaction& earlier = reactions[j];
      if (earlier.third_body != r.third_body ||
          earlier.third_body_key != r.third_body_key ||
          earlier.form != r.form ||
          !SameReaction(earlier, sides[j], r, sides[i])) {
        continue;
      }
      if (!(earlier.duplicate && r.duplicate)) {
        AddError(findings, 0, r.line,
                 "reaction " + r.equation + " repeats the one at line " +
                     std::to_string(earlier.line) +
                     " (same species, third body and rate form) and the two "
                     "are not both marked DUP");
      }
      break;
    }
  }
  MarkPartners(reactions, sides, partnered);
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
