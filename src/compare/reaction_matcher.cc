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

struct Group {
  std::vector<size_t> a;
  std::vector<size_t> b;
};

void PairClosestFirst(const Group& g, const std::vector<CleanedReaction>& a,
                      const std::vector<CleanedReaction>& b,
                      std::vector<size_t>* b_of_a) {
  using Candidate = std::tuple<double, bool, bool, size_t, size_t>;
  std::vector<Candidate> candidates;
  candidates.reserve(g.a.size() * g.b.size());
  for (size_t ia : g.a) {
    for (size_t ib : g.b) {
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

void PairSorted(Group g, const std::vector<CleanedReaction>& a,
                const std::vector<CleanedReaction>& b,
                std::vector<size_t>* b_of_a) {
  auto by_coefficients = [](const std::vector<CleanedReaction>& list) {
    return [&list](size_t x, size_t y) {
      return std::tie(list[x].a_value, list[x].n_value, list[x].ea_value, x) <
             std::tie(list[y].a_value, list[y].n_value, list[y].ea_value, y);
    };
  };
  std::sort(g.a.begin(), g.a.end(), by_coefficients(a));
  std::sort(g.b.begin(), g.b.end(), by_coefficients(b));
  for (size_t i = 0; i < g.a.size() && i < g.b.size(); ++i) {
    (*b_of_a)[g.a[i]] = g.b[i];
  }
}

}  // namespace

double CoefficientDistance(const CleanedReaction& x, const CleanedReaction& y) {
  return Relative(x.a_value, y.a_value) + Relative(x.n_value, y.n_value) +
         Relative(x.ea_value, y.ea_value);
}

ReactionMatching MatchReactions(const std::vector<CleanedReaction>& a,
                                const std::vector<CleanedReaction>& b) {
  std::unordered_map<std::string_view, Group> groups;
  groups.reserve(a.size() + b.size());
  for (size_t i = 0; i < a.size(); ++i) groups[a[i].key].a.push_back(i);
  for (size_t i = 0; i < b.size(); ++i) groups[b[i].key].b.push_back(i);

  std::vector<size_t> b_of_a(a.size(), kNone);
  for (const auto& [key, g] : groups) {
    if (g.a.empty() || g.b.empty()) continue;
    if (g.a.size() == 1 && g.b.size() == 1) {
      b_of_a[g.a[0]] = g.b[0];
    } else if (g.a.size() * g.b.size() <= kMaxCandidatePairs) {
      PairClosestFirst(g, a, b, &b_of_a);
    } else {
      PairSorted(g, a, b, &b_of_a);
    }
  }

  ReactionMatching m;
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
