// RunError is the one way a cleaning run fails. Any phase that cannot go on
// throws it with a reason (what failed), and where it knows them the file
// and the line of that file the failure concerns. A FileError of the file
// layer becomes a RunError naming the same file. The run driver catches it,
// performs the silent reset, and hands it to its caller: the window keeps
// quiet, the command line prints Describe() and exits non-zero.
#ifndef KESTRELON_MODEL_RUN_ERROR_H_
#define KESTRELON_MODEL_RUN_ERROR_H_

#include <stdexcept>
#include <string>

#include "platform/file_error.h"

namespace kestrelon {

class RunError : public std::runtime_error {
 public:
  // `file` may be empty (no file concerned); `line` is 1-based, 0 for none.
  explicit RunError(std::string reason, std::string file = {}, int line = 0);
  explicit RunError(const FileError& e) : RunError(e.reason(), e.path()) {}

  const std::string& reason() const { return reason_; }
  const std::string& file() const { return file_; }
  int line() const { return line_; }

  // "FILE:LINE: reason", "FILE: reason" or "reason".
  std::string Describe() const;

 private:
  std::string reason_;
  std::string file_;
  int line_;
};

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_RUN_ERROR_H_
