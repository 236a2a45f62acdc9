#include "compare/reaction_matcher.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <tuple>
#include <unordered_map>

namespace kestrelon {
namespace {

constexpr size_t kNone = static_cast<size_t>(-1);
// Past this many candidate pairs in one key, the group is paired by sorted
// coefficients instead of closest first, to stay linear on odd files.
constexpr size_t kMaxCandidatePairs = 4096;

double Relative(double x, double y) {
  double scale = std::max(std::fabs(x), std::fabs(y));
  return scale == 0 ? 0 : std::fabs(x - y) / scale;
}

bool SameAuxText(const CleanedReaction& x, const CleanedReaction& y) {
  if (x.aux.size() != y.aux.size()) return false;
  for (size_t i = 0; i < x.aux.size(); ++i) {
    if (x.aux[i].name != y.aux[i].name || x.aux[i].values != y.aux[i].values) {
      return false;
    }
  }
  return true;
}

// The reactions of each key, as chains through the lists: no allocation
// per key, since almost every key holds one reaction on each side.
struct Groups {
  std::vector<size_t> head_a, head_b, count_a, count_b;
  std::vector<size_t> next_a, next_b;  // next reaction of the same key

  std::vector<size_t> Members(size_t g, bool side_a) const {
    std::vector<size_t> out;
    const std::vector<size_t>& next = side_a ? next_a : next_b;
    for (size_t i = side_a ? head_a[g] : head_b[g]; i != kNone; i = next[i]) {
      out.push_back(i);
    }
    return out;
  }
};

Groups GroupByKey(const std::vector<CleanedReaction>& a,
                  const std::vector<CleanedReaction>& b) {
  Groups g;
  std::unordered_map<std::string_view, size_t> index;
  index.reserve(a.size() + b.size());
  g.next_a.assign(a.size(), kNone);
  g.next_b.assign(b.size(), kNone);
  // Walking backwards leaves every chain in list order.
  auto add = [&](const std::vector<CleanedReaction>& list, bool side_a) {
    for (size_t i = list.size(); i-- > 0;) {
      auto [it, fresh] = index.try_emplace(list[i].key, g.head_a.size());
      if (fresh) {
        g.head_a.push_back(kNone);
        g.head_b.push_back(kNone);
        g.count_a.push_back(0);
        g.count_b.push_back(0);
      }
      size_t k = it->second;
      std::vector<size_t>& head = side_a ? g.head_a : g.head_b;
      (side_a ? g.next_a : g.next_b)[i] = head[k];
      head[k] = i;
      ++(side_a ? g.count_a : g.count_b)[k];
    }
  };
  add(a, true);
  add(b, false);
  return g;
}

void PairClosestFirst(const std::vector<size_t>& ga,
                      const std::vector<size_t>& gb,
                      const std::vector<CleanedReaction>& a,
                      const std::vector<CleanedReaction>& b,
                      std::vector<size_t>* b_of_a) {
  using Candidate = std::tuple<double, bool, bool, size_t, size_t>;
  std::vector<Candidate> candidates;
  candidates.reserve(ga.size() * gb.size());
  for (size_t ia : ga) {
    for (size_t ib : gb) {
      candidates.emplace_back(CoefficientDistance(a[ia], b[ib]),
                              !SameAuxText(a[ia], b[ib]),
                              a[ia].swapped != b[ib].swapped, ia, ib);
    }
  }
  std::sort(candidates.begin(), candidates.end());
  std::vector<size_t> taken_b;
  for (const Candidate& c : candidates) {
    size_t ia = std::get<3>(c);
    size_t ib = std::get<4>(c);
    if ((*b_of_a)[ia] != kNone) continue;
    if (std::find(taken_b.begin(), taken_b.end(), ib) != taken_b.end()) {
      continue;
    }
    (*b_of_a)[ia] = ib;
    taken_b.push_back(ib);
  }
}

void PairSorted(std::vector<size_t> ga, std::vector<size_t> gb,
                const std::vector<CleanedReaction>& a,
                const std::vector<CleanedReaction>& b,
                std::vector<size_t>* b_of_a) {
  auto by_coefficients = [](const std::vector<CleanedReaction>& list) {
    return [&list](size_t x, size_t y) {
      return std::tie(list[x].a_value, list[x].n_value, list[x].ea_value, x) <
             std::tie(list[y].a_value, list[y].n_value, list[y].ea_value, y);
    };
  };
  std::sort(ga.begin(), ga.end(), by_coefficients(a));
  std::sort(gb.begin(), gb.end(), by_coefficients(b));
  for (size_t i = 0; i < ga.size() && i < gb.size(); ++i) {
    (*b_of_a)[ga[i]] = gb[i];
  }
}

}  // namespace

double CoefficientDistance(const CleanedReaction& x, const CleanedReaction& y) {
  return Relative(x.a_value, y.a_value) + Relative(x.n_value, y.n_value) +
         Relative(x.ea_value, y.ea_value);
}

ReactionMatching MatchReactions(const std::vector<CleanedReaction>& a,
                                const std::vector<CleanedReaction>& b) {
  Groups g = GroupByKey(a, b);
  std::vector<size_t> b_of_a(a.size(), kNone);
  for (size_t k = 0; k < g.head_a.size(); ++k) {
    size_t na = g.count_a[k];
    size_t nb = g.count_b[k];
    if (na == 0 || nb == 0) continue;
    if (na == 1 && nb == 1) {
      b_of_a[g.head_a[k]] = g.head_b[k];
    } else if (na * nb <= kMaxCandidatePairs) {
      PairClosestFirst(g.Members(k, true), g.Members(k, false), a, b, &b_of_a);
    } else {
      PairSorted(g.Members(k, true), g.Members(k, false), a, b, &b_of_a);
    }
  }

  ReactionMatching m;
  m.pairs.reserve(a.size());
  std::vector<bool> b_taken(b.size(), false);
  for (size_t i = 0; i < a.size(); ++i) {
    if (b_of_a[i] == kNone) {
      m.only_a.push_back(i);
    } else {
      m.pairs.push_back({i, b_of_a[i]});
      b_taken[b_of_a[i]] = true;
    }
  }
  for (size_t i = 0; i < b.size(); ++i) {
    if (!b_taken[i]) m.only_b.push_back(i);
  }
  return m;
}

}  // namespace kestrelon
