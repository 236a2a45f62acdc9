// FileError is how the file layer fails: a reason ("cannot open: No such
// file or directory", "is a symbolic link; refusing to write through it")
// and the path it concerns. Callers above turn it into the failure of
// whatever they were doing; a cleaning run reports it as a RunError naming
// the same path.
#ifndef KESTRELON_PLATFORM_FILE_ERROR_H_
#define KESTRELON_PLATFORM_FILE_ERROR_H_

#include <stdexcept>
#include <string>
#include <utility>

namespace kestrelon {

class FileError : public std::runtime_error {
 public:
  FileError(std::string reason, std::string path)
      : std::runtime_error(path + ": " + reason),
        reason_(std::move(reason)),
        path_(std::move(path)) {}

  const std::string& reason() const { return reason_; }
  const std::string& path() const { return path_; }

 private:
  std::string reason_;
  std::string path_;
};

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_FILE_ERROR_H_
