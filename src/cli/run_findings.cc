#include "cli/run_findings.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/end_diagnostics.h"
#include "model/working_table.h"
#include "platform/paths.h"
#include "run/reactions_unit.h"
#include "run/run_driver.h"

namespace kestrelon {
namespace {

// The unit warnings and the near ENDs come as whole lines, "kestrelon:
// FILE:N: [warning: ]text"; the line number and text are taken back out of
// them, so their wording stays where it is made.
void AddLineWarning(const std::string& given, const std::string& line,
                    Findings& findings) {
  const std::string prefix = "kestrelon: " + given + ":";
  if (line.rfind(prefix, 0) == 0) {
    size_t end = line.find(": ", prefix.size());
    const int number = std::atoi(line.c_str() + prefix.size());
    if (end != std::string::npos && number > 0) {
      std::string text = line.substr(end + 2);
      if (text.rfind("warning: ", 0) == 0) text.erase(0, 9);
      AddWarning(findings, 0, number, text);
      return;
    }
  }
  AddWarning(findings, 0, 0, line);
}

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(path, ec);
  return ec ? path : p.lexically_normal().string();
}

}  // namespace

RunFindings CleanCheckFindings(const std::string& given,
                               const std::string& text,
                               const CleanOptions& unit_options) {
  RunFindings result;
  UnitDecision decision =
      DecideUnit(ReadReactionsLine(text), unit_options.unit_auto,
                 unit_options.settings.unit, given);
  if (decision.error) {
    result.usage_error = decision.error;
    return result;
  }
  for (const std::string& w : decision.warnings) {
    AddLineWarning(given, w, result.findings);
  }

  CleanOptions options = unit_options;
  options.mechanism = AbsolutePath(given);
  options.settings.unit = decision.unit;
  options.check = true;
  options.quiet = true;
  std::ostringstream discarded;
  CliServices services(options, discarded, discarded);
  WorkingTable table;
  RunOptions run_options;
  run_options.check_only = true;
  RunOutcome outcome = RunCleaning(services, table, run_options);
  if (outcome.kind == RunOutcome::Kind::kUnreadable) {
    result.unreadable = true;
    const int ends = outcome.vars.endcount;
    AddError(result.findings, 0, 0,
             "the file can not be treated: END closes " + std::to_string(ends) +
                 (ends == 1 ? " section" : " sections") +
                 "; ELEMENTS, SPECIES and REACTIONS each need one");
    for (const NearEnd& near : FindNearEnds(text)) {
      AddLineWarning(given, DescribeNearEnd(given, near), result.findings);
    }
  } else if (outcome.kind == RunOutcome::Kind::kFailed) {
    const RunError& e = *outcome.error;
    const bool input = e.file().empty() || e.file() == BaseName(given) ||
                       e.file() == options.mechanism;
    AddError(result.findings, 0, input ? e.line() : 0,
             input ? e.reason() : e.Describe());
  }
  return result;
}

}  // namespace kestrelon
