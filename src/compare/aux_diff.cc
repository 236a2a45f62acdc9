#include "compare/aux_diff.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace kestrelon {
namespace {

struct Entry {
  std::string_view name;
  std::vector<const AuxItem*> a;
  std::vector<const AuxItem*> b;
};

// Names in order of first appearance, each with its items from both sides.
class Collector {
 public:
  void Add(const AuxItem& item, bool from_a) {
    auto [it, fresh] = index_.try_emplace(item.name, entries_.size());
    if (fresh) entries_.push_back({item.name, {}, {}});
    Entry& e = entries_[it->second];
    (from_a ? e.a : e.b).push_back(&item);
  }
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::unordered_map<std::string_view, size_t> index_;
  std::vector<Entry> entries_;
};

// Next blank-separated word of `text` from `*i`, or "" at the end.
std::string_view NextWord(std::string_view text, size_t* i) {
  while (*i < text.size() && (text[*i] == ' ' || text[*i] == '\t')) ++*i;
  size_t start = *i;
  while (*i < text.size() && text[*i] != ' ' && text[*i] != '\t') ++*i;
  return text.substr(start, *i - start);
}

// Whether the values of two items differ, word by word.
template <typename Differ>
bool ValuesDiffer(const AuxItem& x, const AuxItem& y, Differ differ) {
  if (x.has_values != y.has_values) return true;
  size_t i = 0;
  size_t j = 0;
  for (;;) {
    std::string_view v = NextWord(x.values, &i);
    std::string_view w = NextWord(y.values, &j);
    if (v.empty() || w.empty()) return v.empty() != w.empty();
    if (differ(v, w)) return true;
  }
}

bool ItemsDiffer(const AuxItem& x, const AuxItem& y, const Tolerance& tol) {
  return ValuesDiffer(x, y, [&tol](std::string_view v, std::string_view w) {
    return NumberTextsDiffer(v, w, tol);
  });
}

// Most matched reactions carry the very same items; this check spares them
// the work of collecting names.
bool SameText(const std::vector<AuxItem>& a, const std::vector<AuxItem>& b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k) {
    if (a[k].name != b[k].name ||
        ValuesDiffer(a[k], b[k], [](std::string_view v, std::string_view w) {
          return v != w;
        })) {
      return false;
    }
  }
  return true;
}

std::string Shown(const AuxItem& item) {
  if (item.efficiency) {
    size_t i = 0;
    return std::string(NextWord(item.values, &i));
  }
  if (!item.has_values) return std::string(item.name);
  return item.ValuesText();
}

void CompareEntries(const std::vector<Entry>& entries, bool efficiency,
                    const Tolerance& tol, std::vector<AuxDifference>* out) {
  for (const Entry& e : entries) {
    // A factor given twice for one species counts as given once, the last
    // time, as a reader of the mechanism would take it.
    size_t count_a = efficiency ? std::min<size_t>(e.a.size(), 1) : e.a.size();
    size_t count_b = efficiency ? std::min<size_t>(e.b.size(), 1) : e.b.size();
    for (size_t k = 0; k < std::max(count_a, count_b); ++k) {
      const AuxItem* x = nullptr;
      const AuxItem* y = nullptr;
      if (k < count_a) x = efficiency ? e.a.back() : e.a[k];
      if (k < count_b) y = efficiency ? e.b.back() : e.b[k];
      if (x != nullptr && y != nullptr && !ItemsDiffer(*x, *y, tol)) continue;
      AuxDifference d;
      d.name = std::string(e.name);
      d.efficiency = efficiency;
      if (x != nullptr) d.a = Shown(*x);
      if (y != nullptr) d.b = Shown(*y);
      out->push_back(std::move(d));
    }
  }
}

}  // namespace

std::vector<AuxDifference> CompareAuxItems(const std::vector<AuxItem>& a,
                                           const std::vector<AuxItem>& b,
                                           const Tolerance& tolerance) {
  if (SameText(a, b)) return {};
  Collector keywords;
  Collector efficiencies;
  for (const AuxItem& item : a) {
    (item.efficiency ? efficiencies : keywords).Add(item, true);
  }
  for (const AuxItem& item : b) {
    (item.efficiency ? efficiencies : keywords).Add(item, false);
  }
  std::vector<AuxDifference> out;
  CompareEntries(keywords.entries(), false, tolerance, &out);
  CompareEntries(efficiencies.entries(), true, tolerance, &out);
  return out;
}

}  // namespace kestrelon
