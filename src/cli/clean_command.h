// `kestrelon clean MECHANISM... [options]`: cleaning runs without a window.
//
// Parses the options (--name, --thermo-name and --thermo only with one
// mechanism); a usage error prints what is wrong (with the allowed
// units or patterns) and a hint, and exits 64. Before the run it refuses,
// also with 64 and before anything is written, output names whose files
// would replace the input, a working file of the run or one another; and it
// reads the unit the input's REACTIONS line declares: under --unit auto the
// run cleans with it (a unit it cannot convert is a usage error), otherwise
// a declared unit other than the one in force is warned about on stderr, as
// is a pre-exponential factor given per molecule. --thermo FILE with an
// input that has a THERMO section of its own is a usage error too.
//
// It also refuses with 64, before anything is written, a --rename whose new
// name breaks the mechanism's lines (model/species_name.h) or already is a
// species of the input (cli/rename_check.h); a former name that is not a
// species is only warned about, by the run.
//
// Exit status: 0 success (with --check, a line of counts on stdout); 1 the
// run failed, "kestrelon: FILE:LINE: reason" on stderr, the input named as
// given, or what it printed could not be written to `out`; 2 unreadable
// file, followed by the END lines that were not counted. Without
// --permissive, a refusal that it lifts (a full table, an END or keyword
// line with blanks or a comment, a section without END) ends with
// "; use --permissive to clean it anyway".
#ifndef KESTRELON_CLI_CLEAN_COMMAND_H_
#define KESTRELON_CLI_CLEAN_COMMAND_H_

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_services.h"
#include "model/working_table.h"

namespace kestrelon {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUnreadable = 2;
inline constexpr int kExitUsage = 64;

// Options after "clean". On a usage error returns nothing and writes the
// reason to `err`.
std::optional<CleanOptions> ParseCleanOptions(
    const std::vector<std::string>& args, std::ostream& err);

// One mechanism runs as below; several run as clean_batch.h says.
int RunCleanCommand(const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err);

// The run of `options.mechanism` alone, with the checks and messages above,
// in `table` (a table kept to the end of the process when none is given);
// returns its exit status.
int CleanOneMechanism(CleanOptions options, std::ostream& out,
                      std::ostream& err, WorkingTable* table = nullptr);

// `options` for one of its mechanisms: the names of its files follow from
// that mechanism's name.
CleanOptions ForMechanism(const CleanOptions& options,
                          const std::string& mechanism);

void PrintUsage(std::ostream& out);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_CLEAN_COMMAND_H_
