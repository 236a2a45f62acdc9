// `kestrelon clean A.inp B.inp ... [options]`: several mechanisms in one
// call. Each is cleaned as its own run with the same options, exactly as
// `kestrelon clean FILE [options]` cleans it alone (CleanOneMechanism): the
// same files, the same messages, the same exit status.
//
// Runs on mechanisms in different directories go at the same time, at most
// `options.jobs` of them (0: the number of cores); mechanisms in one
// directory run one after another, in the order given, since their working
// files share names. What each run prints is held back and written whole,
// in the order the mechanisms were given, so that the messages of two runs
// never mix. With `progress`, a line "[k/n] FILE" on `err` tells how far
// the call has come (a terminal's line, redrawn in place and cleared before
// other text). At the end one line on `out`, "N cleaned, M failed, K
// unreadable" (left out under --quiet when every mechanism was cleaned); a
// usage error of one mechanism (a name that would replace its input)
// counts as failed.
//
// Returns 0 when every mechanism was cleaned, otherwise the exit status of
// the first one, in the order given, that was not. Nothing here throws but
// std::bad_alloc and std::system_error (no thread to be had).
#ifndef KESTRELON_CLI_CLEAN_BATCH_H_
#define KESTRELON_CLI_CLEAN_BATCH_H_

#include <ostream>

#include "cli/cli_services.h"

namespace kestrelon {

int RunCleanBatch(const CleanOptions& options, std::ostream& out,
                  std::ostream& err, bool progress);

}  // namespace kestrelon

#endif  // KESTRELON_CLI_CLEAN_BATCH_H_
