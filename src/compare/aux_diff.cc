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

std::string Shown(const AuxItem& item) {
  if (item.efficiency) return item.values[0];
  if (!item.has_values) return item.name;
  return item.ValuesText();
}

bool ItemsDiffer(const AuxItem& x, const AuxItem& y, const Tolerance& tol) {
  if (x.has_values != y.has_values) return true;
  if (x.values.size() != y.values.size()) return true;
  for (size_t i = 0; i < x.values.size(); ++i) {
    if (NumberTextsDiffer(x.values[i], y.values[i], tol)) return true;
  }
  return false;
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
