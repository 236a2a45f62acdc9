// RunCleaning performs one cleaning run from the file chooser to the final
// reset: it owns the order of the phases, the status texts and progress
// milestones the user watches, the unreadable-file branch and the single
// failure path. Every RunError (or other exception) thrown by a phase ends
// the run through that path: status cleared, progress 0 and hidden, the
// working files the run had reached left on disk with the lines it had
// written, the table keeping its cells for the user to look at. Nothing
// escapes RunCleaning.
//
// The working files live in memory while the run goes well. The
// thermodynamic file and the three cleaned files are composed whole, their
// keyword lines laid out, and published together (platform/
// file_publisher.h): a run that fails or is killed leaves every one of them
// either as it was before the run or complete. Temporary files that a
// killed run left in the directory are removed by the next run there.
//
// While it runs, the run holds an advisory lock on the input file's
// directory, so two runs on mechanisms in the same directory never mix
// their files: the second waits for the first.
#ifndef KESTRELON_RUN_RUN_DRIVER_H_
#define KESTRELON_RUN_RUN_DRIVER_H_

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "model/run_error.h"
#include "model/run_record.h"
#include "model/ui_services.h"
#include "model/working_table.h"
#include "platform/file_error.h"

namespace kestrelon {

// The status a run shows while another run holds its directory.
inline constexpr const char* kWaitingForLock =
    "Waiting for another run in this folder...";

// The input file as the command line read it, so that the run cleans the
// very bytes the command line took the unit from.
struct InputRead {
  std::string text;
  std::optional<FileError> error;  // the read failed: the run ends with it
};

struct RunOptions {
  // Compose every file but publish none; nothing is left on disk, also
  // when the run fails (the command line's --check).
  bool check_only = false;
  // How long to wait for another run's lock on the directory; no limit
  // when empty.
  std::optional<std::chrono::milliseconds> lock_wait;
  // Read the section lines as other CHEMKIN readers do, and let the table
  // hold the whole input (RunRecord::permissive).
  bool permissive = false;
  // Without it the run reads the chosen file itself. The run empties the
  // text once the sections of the mechanism are found: a failure after that
  // point needs no look at the input to be explained, and a large input
  // need not be held while the files are written.
  InputRead* input = nullptr;
  // Called with the table as the analysis leaves it, before the output
  // stage takes the non-elementary reactions out.
  std::function<void(const WorkingTable&, const SectionIndex&)> analysed;
};

struct RunOutcome {
  enum class Kind { kSuccess, kUnreadable, kFailed };
  Kind kind = Kind::kFailed;
  std::optional<RunError> error;  // set when kind is kFailed
  RunVariables vars;              // the run variables as the run left them
  int nercount = 0;
  // What the run reported without stopping, also when it failed later.
  std::vector<RunWarning> warnings;
};

RunOutcome RunCleaning(UiServices& ui, WorkingTable& table,
                       const RunOptions& options = {});

}  // namespace kestrelon

#endif  // KESTRELON_RUN_RUN_DRIVER_H_
