#include "cli/check_command.h"

#include <future>

#include "check/check_output.h"
#include "check/mechanism_check.h"
#include "cli/clean_command.h"
#include "cli/run_findings.h"
#include "compare/number_text.h"
#include "model/run_error.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

std::optional<std::string> Read(const std::string& path, std::ostream& err) {
  try {
    return ReadFile(path);
  } catch (const FileError& e) {
    err << "kestrelon: " << RunError(e.reason(), path).Describe() << "\n";
    return std::nullopt;
  }
}

}  // namespace

void PrintCheckUsage(std::ostream& out) {
  out << "usage: kestrelon check MECHANISM [--thermo FILE] [--unit U|auto]\n"
         "                       [--thermo-tolerance X] [--json]\n"
         "\n"
         "Reports what `clean --check` reports, and checks the chemistry:\n"
         "element balance, declared species, thermo coverage, duplicate\n"
         "reactions and the continuity of the thermo polynomials.\n"
         "\n"
         "  --thermo FILE          thermo data besides the THERMO section\n"
         "  --unit U               unit of Ea, as for clean (default cal)\n"
         "  --thermo-tolerance X   largest jump of Cp/R, H/RT or S/R at the\n"
         "                         middle temperature (default 0.001,\n"
         "                         relative above 1 in size)\n"
         "  --json                 write the findings as JSON\n"
         "\n"
         "exit status: 0 no errors, 1 errors found, 2 unreadable file,\n"
         "64 usage error\n";
}

std::optional<CheckOptions> ParseCheckOptions(
    const std::vector<std::string>& args, std::ostream& err) {
  auto fail = [&err](const std::string& what) {
    err << "kestrelon: " << what << "\n";
    return std::nullopt;
  };
  CheckOptions o;
  std::vector<std::string> clean_args;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string a = args[i];
    std::optional<std::string> value;
    size_t eq = a.find('=');
    if (a.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = a.substr(eq + 1);
      a.resize(eq);
    }
    const bool takes_value =
        a == "--thermo" || a == "--unit" || a == "--thermo-tolerance";
    if (takes_value && !value) {
      if (i + 1 >= args.size()) return fail("option " + a + " needs a value");
      value = args[++i];
    }
    if (a == "--json") {
      if (value) return fail("option --json takes no value");
      o.json = true;
    } else if (a == "--thermo") {
      if (value->empty()) return fail("--thermo must not be empty");
      o.thermo = *value;
    } else if (a == "--unit") {
      clean_args.insert(clean_args.end(), {"--unit", *value});
    } else if (a == "--thermo-tolerance") {
      std::optional<double> v = ParseNumberText(*value);
      if (!v || *v < 0) {
        return fail("--thermo-tolerance needs a number of 0 or more, not \"" +
                    *value + "\"");
      }
      o.thermo_tolerance = *v;
    } else if (a.size() >= 2 && a[0] == '-') {
      return fail("unknown option " + a);
    } else if (!o.mechanism.empty()) {
      return fail("more than one mechanism given: " + a);
    } else {
      o.mechanism = a;
    }
  }
  if (o.mechanism.empty()) return fail("no mechanism file given");
  clean_args.push_back(o.mechanism);
  std::optional<CleanOptions> unit = ParseCleanOptions(clean_args, err);
  if (!unit) return std::nullopt;
  o.unit = *unit;
  return o;
}

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err) {
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      PrintCheckUsage(out);
      return kExitOk;
    }
  }
  std::optional<CheckOptions> o = ParseCheckOptions(args, err);
  if (!o) {
    err << "run 'kestrelon check --help' for the options\n";
    return kExitUsage;
  }
  std::optional<std::string> text = Read(o->mechanism, err);
  if (!text) return kExitUnreadable;
  std::optional<std::string> thermo;
  if (o->thermo) {
    thermo = Read(*o->thermo, err);
    if (!thermo) return kExitUnreadable;
  }

  std::vector<std::string> files = {o->mechanism};
  if (o->thermo) files.push_back(*o->thermo);
  CheckInput input;
  input.mechanism = *text;
  if (thermo) input.thermo = *thermo;
  input.thermo_tolerance = o->thermo_tolerance;
  input.files = files;
  // The cleaning run and the checks read the same text and share nothing
  // else, so the checks run beside the run: the command then takes about
  // as long as `clean --check`.
  std::future<CheckResult> checks = std::async(
      std::launch::async, [&input] { return CheckMechanism(input); });
  RunFindings run = CleanCheckFindings(o->mechanism, *text, o->unit);
  CheckResult result = checks.get();
  if (run.usage_error) {
    err << *run.usage_error << "\n";
    return kExitUsage;
  }
  if (!result.has_species || !result.has_reactions) {
    err << "kestrelon: " << o->mechanism
        << ": not a mechanism: no SPECIES and REACTIONS sections found\n";
    return kExitUnreadable;
  }
  result.findings.insert(result.findings.begin(), run.findings.begin(),
                         run.findings.end());
  SortFindings(result.findings);
  out << (o->json ? RenderCheckJson(result, files)
                  : RenderCheckText(result, files));
  return CountErrors(result.findings) > 0 ? kExitFailed : kExitOk;
}

}  // namespace kestrelon
