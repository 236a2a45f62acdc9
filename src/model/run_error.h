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

  // Marks a refusal that a permissive run does not make (a full table, a
  // section without END), so that the command line can say so.
  RunError& PermissiveCleans() {
    permissive_cleans_ = true;
    return *this;
  }
  bool permissive_cleans() const { return permissive_cleans_; }

 private:
  std::string reason_;
  std::string file_;
  int line_;
  bool permissive_cleans_ = false;
};

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_RUN_ERROR_H_
