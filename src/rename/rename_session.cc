#include "rename/rename_session.h"

#include <exception>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "model/run_error.h"
#include "model/species_name.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "rename/file_commit.h"
#include "rename/mechanism_rules.h"
#include "rename/thermo_rules.h"

namespace kestrelon {
namespace {

using Status = RenameResult::Status;
using RenameText = std::optional<std::string> (*)(std::string_view,
                                                  std::string_view,
                                                  std::string_view);

struct Step {
  const std::string* path;
  RenameText rename;
};

// A name of blanks only would make every pattern a run of blanks and
// punctuation and rename the separators themselves.
bool IsBlankName(const std::string& name) {
  return name.find_first_not_of(' ') == std::string::npos;
}

void RemoveQuietly(const std::string& path) {
  try {
    RemoveFile(path);
  } catch (const std::exception&) {
    // A working file that cannot be removed harms no file of the run.
  }
}

std::string FailureLabel(const std::string& file, const std::string& reason) {
  if (file.empty()) return "Could not rename: " + reason;
  return "Could not rename in " + file + ": " + reason;
}

// Reads every file and renames it in memory, in the order of `steps`,
// before the first one is replaced, so that a file that cannot be read
// stops the rename with every file untouched. `current` names the file
// being read when a read fails.
std::vector<PendingFile> RenameInMemory(const std::vector<Step>& steps,
                                        const std::string& former,
                                        const std::string& renamed,
                                        std::string* current) {
  std::vector<PendingFile> files;
  files.reserve(steps.size());
  for (const Step& step : steps) {
    *current = *step.path;
    PendingFile* file = nullptr;
    for (PendingFile& f : files) {
      if (f.path == *step.path) file = &f;
    }
    if (file == nullptr) {
      files.push_back({*step.path, ReadFile(*step.path), std::nullopt});
      file = &files.back();
    }
    // A path named twice goes through both rule sets, one after the other,
    // as if it had been rewritten twice.
    std::optional<std::string> text = step.rename(
        file->new_text ? *file->new_text : file->old_text, former, renamed);
    if (text) file->new_text = std::move(text);
  }
  current->clear();
  return files;
}

}  // namespace

RenameSession::RenameSession(RenameTargets targets)
    : targets_(std::move(targets)) {}

RenameResult RenameSession::Rename(std::string_view former,
                                   std::string_view new_name) {
  std::string current_file;
  try {
    std::string o(former);
    std::string n(new_name);
    UpperCaseAscii(o);
    UpperCaseAscii(n);
    if (IsBlankName(o) || IsBlankName(n)) {
      return {Status::kRefused, kRenameBothNames};
    }
    // Whoever asks, a name that would break the files is never written.
    if (std::optional<std::string> problem = NewSpeciesNameProblem(n)) {
      return {Status::kRefused, "\"" + n + "\" is refused: " + *problem};
    }
    std::vector<Step> steps;
    if (targets_.has_thermo) {
      steps.push_back({&targets_.thermopath, RenameInThermo});
    }
    steps.push_back({&targets_.outpathj, RenameInMechanism});
    steps.push_back({&targets_.outpathcal, RenameInMechanism});
    steps.push_back({&targets_.outpathk, RenameInMechanism});

    std::vector<PendingFile> files = RenameInMemory(steps, o, n, &current_file);
    CommitFiles(files, targets_.work_path);
    RemoveQuietly(targets_.work_path);
    return {Status::kRenamed, kRenameNextLabel};
  } catch (const RunError& e) {
    RemoveQuietly(targets_.work_path);
    return {
        Status::kFailed,
        FailureLabel(e.file().empty() ? current_file : e.file(), e.reason())};
  } catch (const FileError& e) {
    RemoveQuietly(targets_.work_path);
    return {Status::kFailed, FailureLabel(e.path(), e.reason())};
  } catch (const std::bad_alloc&) {
    RemoveQuietly(targets_.work_path);
    return {Status::kFailed, FailureLabel(current_file, "out of memory")};
  } catch (const std::exception& e) {
    RemoveQuietly(targets_.work_path);
    return {Status::kFailed, FailureLabel(current_file, e.what())};
  }
}

}  // namespace kestrelon
