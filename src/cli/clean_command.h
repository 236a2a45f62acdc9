// `kestrelon clean MECHANISM [options]`: one cleaning run without a window.
// Parses the options (a usage error prints what is wrong and the usage, and
// exits 64), runs the cleaning, and turns its outcome into an exit status:
// 0 success, 1 the run failed (reason on stderr), 2 unreadable file.
#ifndef KESTRELON_CLI_CLEAN_COMMAND_H_
#define KESTRELON_CLI_CLEAN_COMMAND_H_

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_services.h"

namespace kestrelon {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUnreadable = 2;
inline constexpr int kExitUsage = 64;

// Options after "clean". On a usage error returns nothing and writes the
// reason to `err`.
std::optional<CleanOptions> ParseCleanOptions(
    const std::vector<std::string>& args, std::ostream& err);

int RunCleanCommand(const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err);

void PrintUsage(std::ostream& out);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_CLEAN_COMMAND_H_
