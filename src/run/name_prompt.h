// The prompts that ask for the names of a run's output files. Each repeats
// until the answer is not empty (Cancel gives the empty answer): an empty
// answer shows its "no name" message first; an answer whose files would
// include the input file itself shows "This name would overwrite the input
// file.", and one whose file would be a working file of the run (by name,
// or by device and inode through a link) shows
// "This name would overwrite a working file of the run." The cleaned-file
// prompt also refuses a name whose files would replace the thermodynamic
// file the run has just written. The run cannot leave a prompt without a
// name.
//
// Throws only what the user interface throws (the command line refuses a
// name it was given by throwing RunError).
#ifndef KESTRELON_RUN_NAME_PROMPT_H_
#define KESTRELON_RUN_NAME_PROMPT_H_

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/run_record.h"
#include "model/ui_services.h"

namespace kestrelon {

inline constexpr const char* kOverwritesInput =
    "This name would overwrite the input file.";
inline constexpr const char* kThermoPrompt =
    "A thermodynamic database is present in your file;\r\n"
    "it will be copied to a new separate file.\r\n"
    "What do you want to call this file?\r\n"
    "\r\n"
    "Reminder... A filename cannot contain any of the following "
    "characters:\r\n"
    "\\/:*?<>|\"";
inline constexpr const char* kCleanNamePrompt =
    "What do you want to call the cleaned file?\r\n"
    "\r\n"
    "Reminder... A filename cannot contain any of the following characters:"
    "\r\n"
    "\\/:*?<>|\"";
inline constexpr const char* kNoCleanName = "You did not enter a name.";
inline constexpr const char* kOverwritesThermo =
    "This name would overwrite the thermodynamic file.";

// Whether `path` is named like a working file of a run in `dir` (ending
// with "/"), or is one under another name (a link, by device and inode).
bool IsWorkingFile(const std::string& path, const std::string& dir);

// `paths_for(name)` lists the files a cleaned name would write. Returns the
// cleaned name.
std::string AskFileName(
    UiServices& ui, const std::string& inputpath, NamePrompt kind,
    const std::string& prompt, const std::string& empty_message,
    const std::function<std::vector<std::string>(const std::string&)>&
        paths_for);

// The database file's name (without extension).
std::string AskThermoName(UiServices& ui, const RunRecord& run);

// The cleaned files' name.
std::string AskCleanName(UiServices& ui, const RunRecord& run);

// The thermodynamic file and the joule, calorie and kelvin files of a run.
std::string ThermoFilePath(const RunRecord& run, const std::string& name);
std::array<std::string, 3> CleanedFilePaths(const RunRecord& run,
                                            const std::string& name);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_NAME_PROMPT_H_
