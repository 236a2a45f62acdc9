#include "run/name_prompt.h"

#include "platform/paths.h"
#include "run/name_rules.h"

namespace kestrelon {
namespace {

// A database named like a working file would be overwritten or deleted by
// the run's own later steps.
constexpr const char* kOverwritesWorkingFile =
    "This name would overwrite a working file of the run.";
constexpr const char* kNoThermoName = "You did not enter a name!";

}  // namespace

bool IsWorkingFile(const std::string& path, const std::string& dir) {
  if (IsWorkingFileName(BaseName(path))) return true;
  for (const char* w : kWorkingFiles) {
    if (SameFile(path, dir + w)) return true;
  }
  return false;
}

std::string AskFileName(
    UiServices& ui, const std::string& inputpath, NamePrompt kind,
    const std::string& prompt, const std::string& empty_message,
    const std::function<std::vector<std::string>(const std::string&)>&
        paths_for) {
  for (;;) {
    std::string answer = ui.AskText(kind, kProgramTitle, prompt);
    if (answer.empty()) {
      ui.ShowMessage(empty_message, kProgramTitle, MessageIcon::kNone);
      continue;
    }
    std::string name = CleanTypedName(answer);
    const char* refusal = nullptr;
    for (const std::string& path : paths_for(name)) {
      if (SameFile(path, inputpath)) {
        refusal = kOverwritesInput;
      } else if (refusal == nullptr &&
                 IsWorkingFile(path, DirectoryOf(inputpath))) {
        refusal = kOverwritesWorkingFile;
      }
    }
    if (refusal != nullptr) {
      ui.ShowMessage(refusal, kProgramTitle, MessageIcon::kNone);
      continue;
    }
    return name;
  }
}

std::string ThermoFilePath(const RunRecord& run, const std::string& name) {
  return run.vars.inputdir + name + "." + run.thermoext;
}

std::array<std::string, 3> CleanedFilePaths(const RunRecord& run,
                                            const std::string& name) {
  std::array<std::string, 3> paths;
  for (int f = 0; f < 3; ++f) {
    paths[f] =
        run.vars.inputdir + name + FileWord(kOutUnits[f]) + "." + run.outext;
  }
  return paths;
}

std::string AskThermoName(UiServices& ui, const RunRecord& run) {
  return AskFileName(
      ui, run.vars.inputpath, NamePrompt::kThermoName, kThermoPrompt,
      kNoThermoName, [&run](const std::string& name) {
        return std::vector<std::string>{ThermoFilePath(run, name)};
      });
}

std::string AskCleanName(UiServices& ui, const RunRecord& run) {
  const auto paths_for = [&run](const std::string& name) {
    const std::array<std::string, 3> paths = CleanedFilePaths(run, name);
    return std::vector<std::string>(paths.begin(), paths.end());
  };
  for (;;) {
    std::string name =
        AskFileName(ui, run.vars.inputpath, NamePrompt::kCleanName,
                    kCleanNamePrompt, kNoCleanName, paths_for);
    // The cleaned files must not replace the thermodynamic file this run
    // has just written: the summary would list a file that no longer
    // exists.
    bool overwrites = false;
    if (run.vars.has_thermo && !run.vars.thermopath.empty()) {
      for (const std::string& p : paths_for(name)) {
        if (p == run.vars.thermopath) overwrites = true;
      }
    }
    if (!overwrites) return name;
    ui.ShowMessage(kOverwritesThermo, kProgramTitle, MessageIcon::kNone);
  }
}

}  // namespace kestrelon
