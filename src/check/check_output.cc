#include "check/check_output.h"

#include "compare/json_writer.h"

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
  const int errors = CountErrors(result.findings);
  JsonWriter w;
  w.BeginObject();
  w.Key("file");
  w.String(files[0]);
  w.Key("thermo_file");
  if (files.size() > 1) {
    w.String(files[1]);
  } else {
    w.Null();
  }
  w.Key("reactions");
  w.Integer(result.reactions);
  w.Key("species");
  w.Integer(result.species);
  w.Key("thermo_data");
  w.Bool(result.with_thermo);
  w.Key("balance_not_judged");
  w.Integer(result.unjudged);
  w.Key("errors");
  w.Integer(errors);
  w.Key("warnings");
  w.Integer(static_cast<long long>(result.findings.size()) - errors);
  w.Key("findings");
  w.BeginArray();
  for (const Finding& f : result.findings) {
    w.BeginObject();
    w.Key("file");
    w.String(files[f.file]);
    w.Key("line");
    w.Integer(f.line);
    w.Key("severity");
    w.String(f.severity == Severity::kError ? "error" : "warning");
    w.Key("message");
    w.String(f.text);
    w.EndObject();
  }
  w.EndArray();
  w.EndObject();
  return w.text();
}

}  // namespace kestrelon
