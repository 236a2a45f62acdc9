// What `kestrelon clean --check` would report on a mechanism, as findings
// of `kestrelon check`: the warnings about the unit its REACTIONS line and
// its UNITS lines declare (run/reactions_unit.h), then the analysis of a
// cleaning run that writes nothing (run/run_driver.h with check_only). A
// failed run gives one error at the input line it names; a file the run
// cannot treat gives an error without a line and a warning at each END
// that is not counted (cli/end_diagnostics.h).
//
// `given` is the mechanism as named on the command line, `text` its
// content. A unit the file declares that --unit auto cannot use is a usage
// error, returned in `usage_error` with no findings, as clean does.
// Nothing escapes but std::bad_alloc.
#ifndef KESTRELON_CLI_RUN_FINDINGS_H_
#define KESTRELON_CLI_RUN_FINDINGS_H_

#include <optional>
#include <string>

#include "check/finding.h"
#include "cli/cli_services.h"

namespace kestrelon {

struct RunFindings {
  Findings findings;
  std::optional<std::string> usage_error;  // "kestrelon: ..."
  bool unreadable = false;                 // the run cannot treat the file
};

// `unit_options` carries --unit as ParseCleanOptions read it.
RunFindings CleanCheckFindings(const std::string& given,
                               const std::string& text,
                               const CleanOptions& unit_options);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_RUN_FINDINGS_H_
