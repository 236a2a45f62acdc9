#include "check/check_output.h"

#include <nlohmann/json.hpp>

#include "compare/report_json.h"

namespace kestrelon {
namespace {

std::string Counted(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

int CountErrors(const Findings& findings) {
  int n = 0;
  for (const Finding& f : findings) n += f.severity == Severity::kError;
  return n;
}

std::string FindingLine(const Finding& f,
                        const std::vector<std::string>& files) {
  std::string where = files[f.file];
  if (f.line > 0) where += ":" + std::to_string(f.line);
  return "kestrelon: " + where + ": " +
         (f.severity == Severity::kError ? "error: " : "warning: ") + f.text;
}

std::string RenderCheckText(const CheckResult& result,
                            const std::vector<std::string>& files) {
  std::string text;
  for (const Finding& f : result.findings) text += FindingLine(f, files) + "\n";
  const int errors = CountErrors(result.findings);
  const int warnings = static_cast<int>(result.findings.size()) - errors;
  text += files[0] + ": " + Counted(result.reactions, "reaction", "reactions") +
          ", " + Counted(result.species, "species", "species") + ": " +
          Counted(errors, "error", "errors") + ", " +
          Counted(warnings, "warning", "warnings");
  if (!result.with_thermo) {
    text += "; no thermo data: coverage and balance not judged";
  } else if (result.unjudged > 0) {
    text += "; balance not judged for " +
            Counted(result.unjudged, "reaction", "reactions") +
            " (species without thermo data)";
  }
  return text + "\n";
}

std::string RenderCheckJson(const CheckResult& result,
                            const std::vector<std::string>& files) {
  using Json = nlohmann::ordered_json;
  const int errors = CountErrors(result.findings);
  Json report;
  report["file"] = AsUtf8(files[0]);
  report["thermo_file"] = files.size() > 1 ? Json(AsUtf8(files[1])) : Json();
  report["reactions"] = result.reactions;
  report["species"] = result.species;
  report["thermo_data"] = result.with_thermo;
  report["balance_not_judged"] = result.unjudged;
  report["errors"] = errors;
  report["warnings"] = static_cast<long long>(result.findings.size()) - errors;
  Json& findings = report["findings"] = Json::array();
  for (const Finding& f : result.findings) {
    findings.push_back(
        {{"file", AsUtf8(files[f.file])},
         {"line", f.line},
         {"severity", f.severity == Severity::kError ? "error" : "warning"},
         {"message", AsUtf8(f.text)}});
  }
  return report.dump(2) + "\n";
}

}  // namespace kestrelon
