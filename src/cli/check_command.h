// `kestrelon check MECHANISM [--thermo FILE] [--unit U|auto]
// [--thermo-tolerance X] [--json]`: everything `clean --check` reports
// (cli/run_findings.h) and the checks of the chemistry (check/
// mechanism_check.h), one report on `out` (check/check_output.h): the
// findings in input order, the mechanism's first, then the thermo file's,
// and a summary line.
//
// Exit status: 0 no errors (warnings allowed), 1 errors found, 2 a file
// that cannot be read or holds no SPECIES and REACTIONS sections, 64 a
// usage error; the reason of a 2 or a 64 is one line "kestrelon: ..." on
// `err`.
#ifndef KESTRELON_CLI_CHECK_COMMAND_H_
#define KESTRELON_CLI_CHECK_COMMAND_H_

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_services.h"

namespace kestrelon {

struct CheckOptions {
  std::string mechanism;  // as given
  std::optional<std::string> thermo;
  CleanOptions unit;  // --unit as the clean command reads it
  double thermo_tolerance = 1e-3;
  bool json = false;
};

// On a usage error returns nothing and writes the reason to `err`.
std::optional<CheckOptions> ParseCheckOptions(
    const std::vector<std::string>& args, std::ostream& err);

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err);

void PrintCheckUsage(std::ostream& out);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_CHECK_COMMAND_H_
