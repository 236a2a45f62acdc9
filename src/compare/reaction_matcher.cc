#include "compare/reaction_matcher.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>

#include "compare/aux_line.h"
#include "compare/reaction_key.h"

namespace kestrelon {
namespace {

// Past this many candidate pairs in one key, the group is paired by sorted
// coefficients instead of closest first, to stay linear on odd files.
constexpr size_t kMaxCandidatePairs = 4096;

double Relative(double x, double y) {
  double scale = std::max(std::fabs(x), std::fabs(y));
  return scale == 0 ? 0 : std::fabs(x - y) / scale;
}

bool SameAuxText(const CleanedReactionLine& x, const CleanedReactionLine& y) {
  if (SameAuxLines(x, y)) return true;
  const std::vector<AuxItem> ix = AuxItemsOf(x);
  const std::vector<AuxItem> iy = AuxItemsOf(y);
  if (ix.size() != iy.size()) return false;
  for (size_t i = 0; i < ix.size(); ++i) {
    if (ix[i].name != iy[i].name || ix[i].values != iy[i].values) return false;
  }
  return true;
}

// Indices into a list and group numbers: four bytes each, since a file
// is far smaller than four billion reactions.
using Index = uint32_t;
constexpr Index kNoIndex = static_cast<Index>(-1);

// The distinct keys of both lists, a group each. The keys stand one after
// another in one buffer and are found through an open-addressing table of
// group numbers, so that a key costs no allocation of its own.
class KeyGroups {
 public:
  // `most` keys at most, of `bytes` in all, about.
  KeyGroups(size_t most, size_t bytes) {
    size_t slots = 16;
    while (slots < 2 * most) slots *= 2;
    slots_.assign(slots, kNoIndex);
    groups_.reserve(most);
    keys_.reserve(bytes);
  }

  // The group of the key of `equation`, a new one for a key not seen yet.
  Index GroupOf(std::string_view equation, bool* swapped) {
    const size_t start = keys_.size();
    *swapped = AppendReactionKey(equation, &keys_).swapped;
    const std::string_view key(keys_.data() + start, keys_.size() - start);
    const size_t hash = std::hash<std::string_view>{}(key);
    const size_t mask = slots_.size() - 1;
    for (size_t s = hash & mask;; s = (s + 1) & mask) {
      const Index g = slots_[s];
      if (g == kNoIndex) {
        slots_[s] = static_cast<Index>(groups_.size());
        groups_.push_back({start, static_cast<uint32_t>(key.size()),
                           static_cast<uint32_t>(hash)});
        return slots_[s];
      }
      const Group& e = groups_[g];
      if (e.hash == static_cast<uint32_t>(hash) && KeyOf(e) == key) {
        keys_.resize(start);
        return g;
      }
    }
  }

  size_t size() const { return groups_.size(); }

 private:
  struct Group {
    size_t start;
    uint32_t size;
    uint32_t hash;
  };
  std::string_view KeyOf(const Group& g) const {
    return std::string_view(keys_.data() + g.start, g.size);
  }

  std::string keys_;
  std::vector<Group> groups_;
  std::vector<Index> slots_;
};

// Each reaction's group, and whether its key lists its sides the other way
// round (see ReactionKey).
struct Keyed {
  std::vector<Index> group;
  std::vector<char> swapped;
};

// Files compared are most often versions of one another: a reaction of `b`
// written as the one at the same place in `a` has its key, and only the
// others need theirs made.
void KeyBoth(const std::vector<CleanedReactionLine>& a,
             const std::vector<CleanedReactionLine>& b, Keyed* ka, Keyed* kb,
             size_t* group_count) {
  ka->group.resize(a.size());
  ka->swapped.resize(a.size());
  kb->group.assign(b.size(), kNoIndex);
  kb->swapped.resize(b.size());
  size_t keyed = a.size();
  size_t bytes = 0;
  for (const CleanedReactionLine& r : a) bytes += r.equation.size();
  for (size_t i = 0; i < b.size(); ++i) {
    if (i >= a.size() || b[i].equation != a[i].equation) {
      ++keyed;
      bytes += b[i].equation.size();
    }
  }
  // The marks around the arrow add four bytes to a key.
  KeyGroups groups(keyed, bytes + 4 * keyed);
  for (size_t i = 0; i < a.size(); ++i) {
    bool swapped = false;
    ka->group[i] = groups.GroupOf(a[i].equation, &swapped);
    ka->swapped[i] = swapped;
  }
  for (size_t i = 0; i < b.size(); ++i) {
    if (i < a.size() && b[i].equation == a[i].equation) {
      kb->group[i] = ka->group[i];
      kb->swapped[i] = ka->swapped[i];
    } else {
      bool swapped = false;
      kb->group[i] = groups.GroupOf(b[i].equation, &swapped);
      kb->swapped[i] = swapped;
    }
  }
  *group_count = groups.size();
}

// The reactions of each key, as chains through the lists: no allocation
// per key, since almost every key holds one reaction on each side.
struct Groups {
  struct Heads {
    Index a = kNoIndex, b = kNoIndex;
    Index count_a = 0, count_b = 0;
  };
  std::vector<Heads> heads;
  std::vector<Index> next_a, next_b;  // next reaction of the same key

  std::vector<size_t> Members(size_t g, bool side_a) const {
    std::vector<size_t> out;
    const std::vector<Index>& next = side_a ? next_a : next_b;
    for (Index i = side_a ? heads[g].a : heads[g].b; i != kNoIndex;
         i = next[i]) {
      out.push_back(i);
    }
    return out;
  }
};

Groups Chain(size_t group_count, const Keyed& ka, const Keyed& kb) {
  Groups g;
  g.heads.resize(group_count);
  g.next_a.resize(ka.group.size());
  g.next_b.resize(kb.group.size());
  // Walking backwards leaves every chain in list order.
  for (size_t i = ka.group.size(); i-- > 0;) {
    Groups::Heads& h = g.heads[ka.group[i]];
    g.next_a[i] = h.a;
    h.a = static_cast<Index>(i);
    ++h.count_a;
  }
  for (size_t i = kb.group.size(); i-- > 0;) {
    Groups::Heads& h = g.heads[kb.group[i]];
    g.next_b[i] = h.b;
    h.b = static_cast<Index>(i);
    ++h.count_b;
  }
  return g;
}

void PairClosestFirst(const std::vector<size_t>& ga,
                      const std::vector<size_t>& gb,
                      const std::vector<CleanedReactionLine>& a,
                      const std::vector<CleanedReactionLine>& b,
                      const Keyed& ka, const Keyed& kb,
                      std::vector<Index>* b_of_a) {
  using Candidate = std::tuple<double, bool, bool, size_t, size_t>;
  std::vector<Candidate> candidates;
  candidates.reserve(ga.size() * gb.size());
  for (size_t ia : ga) {
    for (size_t ib : gb) {
      candidates.emplace_back(CoefficientDistance(a[ia], b[ib]),
                              !SameAuxText(a[ia], b[ib]),
                              ka.swapped[ia] != kb.swapped[ib], ia, ib);
    }
  }
  std::sort(candidates.begin(), candidates.end());
  std::vector<size_t> taken_b;
  for (const Candidate& c : candidates) {
    size_t ia = std::get<3>(c);
    size_t ib = std::get<4>(c);
    if ((*b_of_a)[ia] != kNoIndex) continue;
    if (std::find(taken_b.begin(), taken_b.end(), ib) != taken_b.end()) {
      continue;
    }
    (*b_of_a)[ia] = static_cast<Index>(ib);
    taken_b.push_back(ib);
  }
}

void PairSorted(std::vector<size_t> ga, std::vector<size_t> gb,
                const std::vector<CleanedReactionLine>& a,
                const std::vector<CleanedReactionLine>& b,
                std::vector<Index>* b_of_a) {
  auto by_coefficients = [](const std::vector<CleanedReactionLine>& list) {
    return [&list](size_t x, size_t y) {
      return std::tie(list[x].a_value, list[x].n_value, list[x].ea_value, x) <
             std::tie(list[y].a_value, list[y].n_value, list[y].ea_value, y);
    };
  };
  std::sort(ga.begin(), ga.end(), by_coefficients(a));
  std::sort(gb.begin(), gb.end(), by_coefficients(b));
  for (size_t i = 0; i < ga.size() && i < gb.size(); ++i) {
    (*b_of_a)[ga[i]] = static_cast<Index>(gb[i]);
  }
}

}  // namespace

double CoefficientDistance(const CleanedReactionLine& x,
                           const CleanedReactionLine& y) {
  return Relative(x.a_value, y.a_value) + Relative(x.n_value, y.n_value) +
         Relative(x.ea_value, y.ea_value);
}

ReactionMatching MatchReactions(const std::vector<CleanedReactionLine>& a,
                                const std::vector<CleanedReactionLine>& b) {
  Keyed ka, kb;
  size_t group_count = 0;
  KeyBoth(a, b, &ka, &kb, &group_count);
  const Groups g = Chain(group_count, ka, kb);
  std::vector<Index> b_of_a(a.size(), kNoIndex);
  for (size_t k = 0; k < group_count; ++k) {
    const Groups::Heads& h = g.heads[k];
    const size_t na = h.count_a;
    const size_t nb = h.count_b;
    if (na == 0 || nb == 0) continue;
    if (na == 1 && nb == 1) {
      b_of_a[h.a] = h.b;
    } else if (na * nb <= kMaxCandidatePairs) {
      PairClosestFirst(g.Members(k, true), g.Members(k, false), a, b, ka, kb,
                       &b_of_a);
    } else {
      PairSorted(g.Members(k, true), g.Members(k, false), a, b, &b_of_a);
    }
  }

  ReactionMatching m;
  m.pairs.reserve(a.size());
  std::vector<bool> b_taken(b.size(), false);
  for (size_t i = 0; i < a.size(); ++i) {
    if (b_of_a[i] == kNoIndex) {
      m.only_a.push_back(i);
    } else {
      m.pairs.push_back({i, b_of_a[i], ka.swapped[i] != kb.swapped[b_of_a[i]]});
      b_taken[b_of_a[i]] = true;
    }
  }
  for (size_t i = 0; i < b.size(); ++i) {
    if (!b_taken[i]) m.only_b.push_back(i);
  }
  return m;
}

}  // namespace kestrelon
