#include "check/thermo_compare_output.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "check/words.h"
#include "compare/report_json.h"

namespace kestrelon {
namespace {

void ListRefs(const char* title, const std::vector<SpeciesRef>& refs,
              std::string& text) {
  if (refs.empty()) return;
  text +=
      std::string("\n") + title + " (" + std::to_string(refs.size()) + "):\n";
  for (const SpeciesRef& r : refs) {
    text += "  line " + std::to_string(r.line) + ": " + r.name + "\n";
  }
}

using Json = nlohmann::ordered_json;

Json Refs(const std::vector<SpeciesRef>& refs) {
  Json list = Json::array();
  for (const SpeciesRef& r : refs) {
    list.push_back({{"name", AsUtf8(r.name)}, {"line", r.line}});
  }
  return list;
}

// A value that is not finite is null.
Json Value(double v) { return std::isfinite(v) ? Json(v) : Json(); }

}  // namespace

std::string RenderThermoCompareText(const ThermoCompareReport& r) {
  std::string temperatures;
  for (double t : r.settings.temperatures) {
    temperatures += (temperatures.empty() ? "" : ", ") + ShortNumber(t);
  }
  std::string text = "A: " + r.file_a + "\nB: " + r.file_b +
                     "\nCp/R, H/RT and S/R at " + temperatures +
                     " K; tolerance " + ShortNumber(r.settings.tolerance) +
                     " (relative above 1 in size, absolute below)\n";
  text += "Species matched: " + std::to_string(r.matched) + "\n";
  text += "Species only in A: " + std::to_string(r.only_in_a.size()) +
          ", only in B: " + std::to_string(r.only_in_b.size()) + "\n";
  text +=
      "Species with different values: " + std::to_string(r.differences.size()) +
      "\n";
  text += r.Same() ? "The files are the same.\n" : "The files differ.\n";
  ListRefs("Species only in A", r.only_in_a, text);
  ListRefs("Species only in B", r.only_in_b, text);
  if (!r.differences.empty()) {
    text += "\nSpecies with different values (" +
            std::to_string(r.differences.size()) + "):\n";
  }
  for (const SpeciesDifference& d : r.differences) {
    text += "  " + d.a.name + " (A line " + std::to_string(d.a.line) +
            ", B line " + std::to_string(d.b.line) + ")\n";
    for (const ValueDifference& v : d.values) {
      text += std::string("    ") + v.quantity + " at " +
              ShortNumber(v.temperature) + " K: " + ShortNumber(v.a) + " -> " +
              ShortNumber(v.b) + "\n";
    }
  }
  return text;
}

std::string RenderThermoCompareJson(const ThermoCompareReport& r) {
  Json report;
  report["file_a"] = AsUtf8(r.file_a);
  report["file_b"] = AsUtf8(r.file_b);
  Json& temperatures = report["temperatures"] = Json::array();
  for (double t : r.settings.temperatures) temperatures.push_back(Value(t));
  report["tolerance"] = Value(r.settings.tolerance);
  report["matched"] = static_cast<long long>(r.matched);
  report["same"] = r.Same();
  report["only_in_a"] = Refs(r.only_in_a);
  report["only_in_b"] = Refs(r.only_in_b);
  Json& differences = report["differences"] = Json::array();
  for (const SpeciesDifference& d : r.differences) {
    Json values = Json::array();
    for (const ValueDifference& v : d.values) {
      values.push_back({{"quantity", v.quantity},
                        {"temperature", Value(v.temperature)},
                        {"a", Value(v.a)},
                        {"b", Value(v.b)}});
    }
    differences.push_back({{"species", AsUtf8(d.a.name)},
                           {"line_a", d.a.line},
                           {"line_b", d.b.line},
                           {"values", std::move(values)}});
  }
  return report.dump(2) + "\n";
}

}  // namespace kestrelon
