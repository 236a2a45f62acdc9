// DirectoryLock holds an exclusive advisory lock (flock) on a directory for
// its lifetime, waiting while another process or another lock object holds
// it. Runs lock the input file's directory so that their working files,
// which have fixed names, never mix. Throws RunError when the directory
// cannot be opened.
#ifndef KESTRELON_PLATFORM_DIR_LOCK_H_
#define KESTRELON_PLATFORM_DIR_LOCK_H_

#include <string>

namespace kestrelon {

class DirectoryLock {
 public:
  explicit DirectoryLock(const std::string& directory);
  ~DirectoryLock();
  DirectoryLock(const DirectoryLock&) = delete;
  DirectoryLock& operator=(const DirectoryLock&) = delete;

 private:
  int fd_;
};

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_DIR_LOCK_H_
