#include "compare/file_comparison.h"

#include "compare/mechanism_compare.h"
#include "model/run_error.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

std::string BaseName(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Counts(const char* what, const ReactionListReport& r) {
  auto n = [](size_t count) { return std::to_string(count); };
  return std::string(what) + ": " + n(r.matched) + " matched, " +
         n(r.only_in_a.size()) + " only in A, " + n(r.only_in_b.size()) +
         " only in B, " + n(r.rate_differences.size()) +
         " with different rate parameters, " + n(r.aux_differences.size()) +
         " with different auxiliary lines";
}

}  // namespace

FileComparison CompareFiles(const std::string& path_a,
                            const std::string& path_b,
                            const Tolerance& tolerance) {
  CompareSettings settings;
  settings.file_a = path_a;
  settings.file_b = path_b;
  settings.tolerance = tolerance;
  const std::optional<OutUnit> ua = EaUnitFromName(path_a);
  const std::optional<OutUnit> ub = EaUnitFromName(path_b);
  if (ua && ub && *ua != *ub) {
    throw RunError("the file names say different Ea units: A (" +
                   BaseName(path_a) + ") is in " + UnitName(*ua) + ", B (" +
                   BaseName(path_b) + ") in " + UnitName(*ub) +
                   "; compare files of the same unit");
  }
  settings.unit_from_names = ua.has_value() || ub.has_value();
  if (settings.unit_from_names) settings.unit = ua ? *ua : *ub;

  FileComparison c;
  c.a = ReadCleanedFile(ReadFile(path_a), path_a);
  c.b = ReadCleanedFile(ReadFile(path_b), path_b);
  c.report = CompareMechanisms(c.a, c.b, settings);
  c.rows = DifferenceRows(c.report, c.a, c.b);
  return c;
}

std::string ShortSummary(const CompareReport& r) {
  auto n = [](size_t count) { return std::to_string(count); };
  return std::string("Ea in ") + UnitName(r.unit) +
         (r.unit_from_names ? " (from the file names)"
                            : " (assumed: the file names do not tell)") +
         "\nElements only in A: " + n(r.elements.only_in_a.size()) +
         ", only in B: " + n(r.elements.only_in_b.size()) +
         "; species only in A: " + n(r.species.only_in_a.size()) +
         ", only in B: " + n(r.species.only_in_b.size()) + "\n" +
         Counts("Reactions", r.reactions) + "\n" +
         Counts("Non-elementary reactions", r.non_elementary) + "\n" +
         (r.Same() ? "No differences." : "The files differ.");
}

}  // namespace kestrelon
