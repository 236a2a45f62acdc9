#include "check/mechanism_check.h"

#include <algorithm>
#include <unordered_set>

#include "check/balance_check.h"
#include "check/declaration_check.h"
#include "check/duplicate_check.h"
#include "check/mechanism_reader.h"
#include "check/thermo_reader.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

void TakeEntries(ThermoData data, int file, std::vector<ThermoEntry>& all,
                 Findings& findings) {
  for (ThermoEntry& e : data.entries) {
    e.file = file;
    all.push_back(std::move(e));
  }
  for (const ThermoProblem& p : data.problems) {
    AddWarning(findings, file, p.line, p.text);
  }
}

}  // namespace

void SortFindings(Findings& findings) {
  std::stable_sort(
      findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.file != b.file ? a.file < b.file : a.line < b.line;
      });
}

CheckResult CheckMechanism(const CheckInput& input) {
  CheckResult result;
  const std::vector<std::string_view> lines = LinesOf(input.mechanism);
  const MechanismReading m = ReadMechanism(lines);
  result.has_species = m.has_species;
  result.has_reactions = m.has_reactions;
  result.reactions = static_cast<int>(m.reactions.size());

  std::vector<ThermoEntry> entries;
  if (m.has_thermo) {
    TakeEntries(ReadThermoLines(lines, m.thermo_begin, m.thermo_end), 0,
                entries, result.findings);
  }
  if (input.thermo) {
    TakeEntries(ReadThermoFile(*input.thermo), 1, entries, result.findings);
  }
  result.with_thermo = !entries.empty();

  CheckDeclarations(m, entries, result.with_thermo, input.files,
                    result.findings);
  const ThermoIndex index(entries);
  result.unjudged = result.with_thermo
                        ? CheckBalance(m.reactions, index, result.findings)
                        : result.reactions;
  CheckDuplicates(m.reactions, result.findings);

  std::unordered_set<std::string> declared;
  for (const NamedSpecies& s : m.species) declared.insert(s.key);
  result.species = static_cast<int>(declared.size());
  std::vector<ThermoEntry> used;
  for (const std::string& key : declared) {
    if (const ThermoEntry* e = index.Find(key)) used.push_back(*e);
  }
  CheckThermoEntries(used, input.thermo_tolerance, result.findings);

  SortFindings(result.findings);
  return result;
}

}  // namespace kestrelon
