// Replacing the files of a rename by their new texts, all or nothing.
//
// Reads: the files' texts as they were read and as they are to become.
// Writes: each file that has a new text, through the working file (the
// whole new text is in the working file before it takes the file's place).
// Promises: before any file is replaced, every file to replace is checked
// to be writable, so a read-only file stops the rename with no file
// touched; when a replacement still fails, the files already replaced get
// their old text back (as far as that can be written), the working file is
// removed, and a RunError naming the file that failed is thrown. Files with
// no new text are not touched at all.
#ifndef KESTRELON_RENAME_FILE_COMMIT_H_
#define KESTRELON_RENAME_FILE_COMMIT_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

struct PendingFile {
  std::string path;
  std::string old_text;                 // the bytes as read
  std::optional<std::string> new_text;  // nothing: the file stays as it is
};

// Writes `content` over `target` through `work_path`; throws RunError.
using ReplaceFileFn =
    std::function<void(const std::string& target, const std::string& work_path,
                       std::string_view content)>;

// Throws RunError(reason, path of the failed file). `replace` defaults to
// ReplaceThroughWorkingFile; tests pass one that fails on purpose.
void CommitFiles(const std::vector<PendingFile>& files,
                 const std::string& work_path,
                 const ReplaceFileFn& replace = {});

}  // namespace kestrelon

#endif  // KESTRELON_RENAME_FILE_COMMIT_H_
