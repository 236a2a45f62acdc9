#include "check/declaration_check.h"

#include <unordered_map>
#include <unordered_set>

namespace kestrelon {
namespace {

void CheckUses(const MechanismReading& m,
               const std::unordered_map<std::string, int>& declared,
               std::unordered_set<std::string>& used, Findings& findings) {
  for (const Reaction& r : m.reactions) {
    std::unordered_set<std::string> reported;
    auto use = [&](const NamedSpecies& s, const std::string& how) {
      used.insert(s.key);
      if (declared.count(s.key) > 0 || !reported.insert(s.key).second) return;
      AddError(findings, 0, s.line,
               "species " + s.name + " " + how +
                   " is not declared in the SPECIES section");
    };
    for (const NamedSpecies& s : r.left) use(s, "in reaction " + r.equation);
    for (const NamedSpecies& s : r.right) use(s, "in reaction " + r.equation);
    for (const NamedSpecies& s : r.efficiencies) {
      use(s, "given an efficiency");
    }
    if (r.third_body == ThirdBody::kFalloffSpecies) {
      used.insert(r.third_body_key);
    }
  }
}

}  // namespace

void CheckDeclarations(const MechanismReading& m,
                       const std::vector<ThermoEntry>& thermo, bool with_thermo,
                       const std::vector<std::string>& files,
                       Findings& findings) {
  std::unordered_map<std::string, int> declared;  // key -> first line
  declared.reserve(m.species.size());
  for (const NamedSpecies& s : m.species) {
    auto [it, fresh] = declared.emplace(s.key, s.line);
    if (!fresh) {
      AddWarning(findings, 0, s.line,
                 "species " + s.name + " is declared again (first at line " +
                     std::to_string(it->second) + ")");
    }
  }
  std::unordered_set<std::string> used;
  CheckUses(m, declared, used, findings);

  std::unordered_map<std::string, const ThermoEntry*> first_entry;
  first_entry.reserve(thermo.size());
  for (const ThermoEntry& e : thermo) {
    auto [it, fresh] = first_entry.emplace(e.key, &e);
    if (declared.count(e.key) == 0) {
      AddWarning(findings, e.file, e.line,
                 "thermo entry of " + e.name +
                     ", a species the SPECIES section does not declare");
    } else if (!fresh) {
      const ThermoEntry& first = *it->second;
      const bool same = first.low == e.low && first.high == e.high &&
                        first.t_low == e.t_low && first.t_mid == e.t_mid &&
                        first.t_high == e.t_high;
      AddWarning(findings, e.file, e.line,
                 "another thermo entry of " + e.name +
                     (same ? " (the same data)" : " (other data)") +
                     "; a run uses the first, at " + files[first.file] + ":" +
                     std::to_string(first.line));
    }
  }

  std::unordered_set<std::string> seen;
  for (const NamedSpecies& s : m.species) {
    if (!seen.insert(s.key).second) continue;
    if (with_thermo && first_entry.count(s.key) == 0) {
      AddError(findings, 0, s.line,
               "species " + s.name + " has no thermo data");
    }
    if (used.count(s.key) == 0) {
      AddWarning(findings, 0, s.line,
                 "species " + s.name + " is declared but used by no reaction");
    }
  }
}

}  // namespace kestrelon
