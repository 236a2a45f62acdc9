// `kestrelon compare FILE_A FILE_B [--tolerance REL] [--json]`: compares two
// cleaned mechanism files reaction by reaction, whatever their order, and
// prints the report (text, or JSON with --json) on `out`; with --plot it
// also writes a plot of the rate constants (see plot_option.h), and a plot
// that cannot be written makes the exit status 2.
//
// The Ea unit comes from the file names (NAMEj, NAMEcal, NAMEkelvin before
// the extension); names that say two different units are a usage error.
// Exit status: 0 the files are the same within the tolerance, 1 they
// differ, 2 a file cannot be read or is not a cleaned mechanism file, or
// the report cannot be written to `out`, 64 bad usage. Every failure is one
// line "kestrelon: ..." on `err`.
#ifndef KESTRELON_CLI_COMPARE_COMMAND_H_
#define KESTRELON_CLI_COMPARE_COMMAND_H_

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "compare/mechanism_compare.h"

namespace kestrelon {

struct CompareOptions {
  CompareSettings settings;  // files, unit and tolerance
  bool json = false;
};

// The options after "compare". On a usage error returns nothing and writes
// "kestrelon: REASON" to `err`.
std::optional<CompareOptions> ParseCompareOptions(
    const std::vector<std::string>& args, std::ostream& err);

int RunCompareCommand(const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_COMPARE_COMMAND_H_
