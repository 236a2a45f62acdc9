#include "rename/file_commit.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>

#include "model/run_error.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

// The replacement renames a new file into place, which succeeds even over a
// read-only file; opening the file for writing (without truncating it)
// tells whether the user may change it at all.
void CheckWritable(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ELOOP) {
      throw RunError("is a symbolic link; refusing to write through it", path);
    }
    throw RunError(std::string("cannot write: ") + std::strerror(errno), path);
  }
  ::close(fd);
}

void RemoveQuietly(const std::string& path) {
  try {
    RemoveFile(path);
  } catch (const std::exception&) {
    // The rename has already failed; that failure is the one to report.
  }
}

}  // namespace

void CommitFiles(const std::vector<PendingFile>& files,
                 const std::string& work_path, const ReplaceFileFn& replace) {
  const ReplaceFileFn write =
      replace ? replace : ReplaceFileFn(ReplaceThroughWorkingFile);
  for (const PendingFile& f : files) {
    if (f.new_text) CheckWritable(f.path);
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (!files[i].new_text) continue;
    std::string reason;
    try {
      write(files[i].path, work_path, *files[i].new_text);
      continue;
    } catch (const RunError& e) {
      reason = e.reason();
    } catch (const FileError& e) {
      reason = e.reason();
    } catch (const std::exception& e) {
      reason = e.what();
    }
    for (size_t k = i; k-- > 0;) {
      if (!files[k].new_text) continue;
      try {
        write(files[k].path, work_path, files[k].old_text);
      } catch (const std::exception&) {
        // Nothing more can be done for this file; go on with the others.
      }
    }
    RemoveQuietly(work_path);
    throw RunError(reason, files[i].path);
  }
}

}  // namespace kestrelon
