#include "check/thermo_compare_output.h"

#include "check/words.h"
#include "compare/json_writer.h"

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

void WriteRefs(const char* key, const std::vector<SpeciesRef>& refs,
               JsonWriter& w) {
  w.Key(key);
  w.BeginArray();
  for (const SpeciesRef& r : refs) {
    w.BeginObject();
    w.Key("name");
    w.String(r.name);
    w.Key("line");
    w.Integer(r.line);
    w.EndObject();
  }
  w.EndArray();
}

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
  JsonWriter w;
  w.BeginObject();
  w.Key("file_a");
  w.String(r.file_a);
  w.Key("file_b");
  w.String(r.file_b);
  w.Key("temperatures");
  w.BeginArray();
  for (double t : r.settings.temperatures) w.Number(t);
  w.EndArray();
  w.Key("tolerance");
  w.Number(r.settings.tolerance);
  w.Key("matched");
  w.Integer(static_cast<long long>(r.matched));
  w.Key("same");
  w.Bool(r.Same());
  WriteRefs("only_in_a", r.only_in_a, w);
  WriteRefs("only_in_b", r.only_in_b, w);
  w.Key("differences");
  w.BeginArray();
  for (const SpeciesDifference& d : r.differences) {
    w.BeginObject();
    w.Key("species");
    w.String(d.a.name);
    w.Key("line_a");
    w.Integer(d.a.line);
    w.Key("line_b");
    w.Integer(d.b.line);
    w.Key("values");
    w.BeginArray();
    for (const ValueDifference& v : d.values) {
      w.BeginObject();
      w.Key("quantity");
      w.String(v.quantity);
      w.Key("temperature");
      w.Number(v.temperature);
      w.Key("a");
      w.Number(v.a);
      w.Key("b");
      w.Number(v.b);
      w.EndObject();
    }
    w.EndArray();
    w.EndObject();
  }
  w.EndArray();
  w.EndObject();
  return w.text();
}

}  // namespace kestrelon
