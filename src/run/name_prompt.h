// The loop that asks for an output file name. The prompt repeats until the
// answer is not empty (Cancel gives the empty answer): an empty answer shows
// `empty_message` first; an answer whose files would include the input file
// itself shows "This name would overwrite the input file.", and one whose
// file would be a working file of the run shows "This name would overwrite a
// working file of the run." The run cannot
// leave the loop without a name. Returns the cleaned name.
#ifndef KESTRELON_RUN_NAME_PROMPT_H_
#define KESTRELON_RUN_NAME_PROMPT_H_

#include <functional>
#include <string>
#include <vector>

#include "run/run_context.h"

namespace kestrelon {

inline constexpr const char* kOverwritesInput =
    "This name would overwrite the input file.";

// `paths_for(name)` lists the files a cleaned name would write.
std::string AskFileName(
    RunContext& ctx, NamePrompt kind, const std::string& prompt,
    const std::string& empty_message,
    const std::function<std::vector<std::string>(const std::string&)>&
        paths_for);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_NAME_PROMPT_H_
