#include "run/name_prompt.h"

#include <sys/stat.h>

#include "run/name_rules.h"

namespace kestrelon {
namespace {

// Compares files, not texts: "./m.inp" and "m.inp" are the same input.
bool SameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  struct stat sa, sb;
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// A database named like a working file would be overwritten or deleted by
// the run's own later steps.
constexpr const char* kOverwritesWorkingFile =
    "This name would overwrite a working file of the run.";

bool IsWorkingFile(const std::string& path) {
  size_t slash = path.rfind('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (const char* w : {kTempo, kTempo2, kTempo3, kTempo4, kTempo5, kTempo6}) {
    if (name == w) return true;
  }
  return false;
}

}  // namespace

std::string AskFileName(
    RunContext& ctx, NamePrompt kind, const std::string& prompt,
    const std::string& empty_message,
    const std::function<std::vector<std::string>(const std::string&)>&
        paths_for) {
  for (;;) {
    std::string answer = ctx.ui.AskText(kind, kProgramTitle, prompt);
    if (answer.empty()) {
      ctx.ui.ShowMessage(empty_message, kProgramTitle, MessageIcon::kNone);
      continue;
    }
    std::string name = CleanTypedName(answer);
    const char* refusal = nullptr;
    for (const std::string& path : paths_for(name)) {
      if (SameFile(path, ctx.vars.inputpath)) {
        refusal = kOverwritesInput;
      } else if (refusal == nullptr && IsWorkingFile(path)) {
        refusal = kOverwritesWorkingFile;
      }
    }
    if (refusal != nullptr) {
      ctx.ui.ShowMessage(refusal, kProgramTitle, MessageIcon::kNone);
      continue;
    }
    return name;
  }
}

}  // namespace kestrelon
