#include "check/thermo_compare.h"

#include <unordered_map>
#include <unordered_set>

namespace kestrelon {
namespace {

std::unordered_map<std::string, const ThermoEntry*> FirstEntries(
    const ThermoData& data) {
  std::unordered_map<std::string, const ThermoEntry*> first;
  first.reserve(data.entries.size());
  for (const ThermoEntry& e : data.entries) first.emplace(e.key, &e);
  return first;
}

void CompareValues(const ThermoEntry& a, const ThermoEntry& b,
                   const ThermoCompareSettings& settings,
                   std::vector<ValueDifference>& out) {
  for (double t : settings.temperatures) {
    const ThermoValues va = Evaluate(a, t);
    const ThermoValues vb = Evaluate(b, t);
    const ValueDifference pairs[] = {{"Cp/R", t, va.cp, vb.cp},
                                     {"H/RT", t, va.h, vb.h},
                                     {"S/R", t, va.s, vb.s}};
    for (const ValueDifference& d : pairs) {
      if (DiffersBeyond(d.a, d.b, settings.tolerance)) out.push_back(d);
    }
  }
}

}  // namespace

ThermoCompareReport CompareThermo(const ThermoData& a, const ThermoData& b,
                                  const ThermoCompareSettings& settings) {
  ThermoCompareReport report;
  report.settings = settings;
  const auto first_a = FirstEntries(a);
  const auto first_b = FirstEntries(b);
  std::unordered_set<std::string> seen;
  for (const ThermoEntry& e : a.entries) {
    if (!seen.insert(e.key).second) continue;
    auto it = first_b.find(e.key);
    if (it == first_b.end()) {
      report.only_in_a.push_back({e.name, e.line});
      continue;
    }
    ++report.matched;
    SpeciesDifference d{
        {e.name, e.line}, {it->second->name, it->second->line}, {}};
    CompareValues(e, *it->second, settings, d.values);
    if (!d.values.empty()) report.differences.push_back(std::move(d));
  }
  seen.clear();
  for (const ThermoEntry& e : b.entries) {
    if (seen.insert(e.key).second && first_a.count(e.key) == 0) {
      report.only_in_b.push_back({e.name, e.line});
    }
  }
  return report;
}

}  // namespace kestrelon
