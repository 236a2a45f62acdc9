#include "check/thermo_file_comparison.h"

#include <filesystem>

#include "check/words.h"
#include "model/run_error.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

std::string BaseName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

std::optional<ThermoFileComparison> CompareThermoFiles(
    const std::string& path_a, const std::string& path_b,
    const ThermoCompareSettings& settings) {
  const std::string text_a = ReadFile(path_a);
  const std::string text_b = ReadFile(path_b);
  const bool thermo_a = LooksLikeThermoFile(text_a);
  const bool thermo_b = LooksLikeThermoFile(text_b);
  if (!thermo_a && !thermo_b) return std::nullopt;
  if (thermo_a != thermo_b) {
    const std::string& thermo = thermo_a ? path_a : path_b;
    const std::string& other = thermo_a ? path_b : path_a;
    throw RunError(std::string(thermo_a ? "A" : "B") + " (" + BaseName(thermo) +
                   ") holds thermo data, " + (thermo_a ? "B" : "A") + " (" +
                   BaseName(other) +
                   ") does not; compare two thermo files or two cleaned "
                   "mechanisms");
  }
  ThermoFileComparison c;
  c.a = ReadThermoFile(text_a);
  c.b = ReadThermoFile(text_b);
  c.report = CompareThermo(c.a, c.b, settings);
  c.report.file_a = path_a;
  c.report.file_b = path_b;
  c.rows = ThermoRows(c.report);
  return c;
}

std::vector<ThermoRow> ThermoRows(const ThermoCompareReport& report) {
  std::vector<ThermoRow> rows;
  for (const SpeciesRef& s : report.only_in_a) {
    rows.push_back({ThermoRowKind::kOnlyInA, s.name, Upper(s.name), s.line, 0,
                    "", 0, 0, 0});
  }
  for (const SpeciesRef& s : report.only_in_b) {
    rows.push_back({ThermoRowKind::kOnlyInB, s.name, Upper(s.name), 0, s.line,
                    "", 0, 0, 0});
  }
  for (const SpeciesDifference& d : report.differences) {
    for (const ValueDifference& v : d.values) {
      rows.push_back({ThermoRowKind::kValue, d.a.name, Upper(d.a.name),
                      d.a.line, d.b.line, v.quantity, v.temperature, v.a, v.b});
    }
  }
  return rows;
}

std::string ThermoShortSummary(const ThermoCompareReport& r) {
  std::string temperatures;
  for (double t : r.settings.temperatures) {
    temperatures += (temperatures.empty() ? "" : ", ") + ShortNumber(t);
  }
  auto n = [](size_t count) { return std::to_string(count); };
  return "Cp/R, H/RT and S/R at " + temperatures + " K; tolerance " +
         ShortNumber(r.settings.tolerance) + "\nSpecies: " + n(r.matched) +
         " matched, " + n(r.only_in_a.size()) + " only in A, " +
         n(r.only_in_b.size()) + " only in B, " + n(r.differences.size()) +
         " with different values\n" +
         (r.Same() ? "No differences." : "The files differ.");
}

std::string UnreadEntriesNote(const ThermoFileComparison& c) {
  const ThermoProblem* first = nullptr;
  const std::string* file = nullptr;
  const size_t count = c.a.problems.size() + c.b.problems.size();
  if (!c.a.problems.empty()) {
    first = &c.a.problems.front();
    file = &c.report.file_a;
  } else if (!c.b.problems.empty()) {
    first = &c.b.problems.front();
    file = &c.report.file_b;
  }
  if (first == nullptr) return {};
  std::string note = *file + ":" + std::to_string(first->line) + ": " +
                     first->text + "; left out of the comparison";
  if (count > 1) note += " (and " + std::to_string(count - 1) + " more)";
  return note;
}

const ThermoEntry* FirstEntry(const ThermoData& data, std::string_view key) {
  for (const ThermoEntry& e : data.entries) {
    if (e.key == key) return &e;
  }
  return nullptr;
}

}  // namespace kestrelon
