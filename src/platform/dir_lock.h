// DirectoryLock holds an exclusive advisory lock (flock) on a directory for
// its lifetime, waiting while another process or another lock object holds
// it. Runs lock the input file's directory so that their working files,
// which have fixed names, never mix. An empty directory name means the
// current directory.
//
// When another holder has the lock, `on_wait` (if given) is called once
// before waiting, so that the caller can tell the user why nothing happens.
// Without `wait_limit` it waits as long as it takes; with one, it gives up
// after that long and throws FileError.
// On a file system that cannot lock (some network file systems) the object
// holds no lock and the run goes on unprotected, as it would without this
// class; held() tells which.
//
// Throws FileError when the directory cannot be opened.
#ifndef KESTRELON_PLATFORM_DIR_LOCK_H_
#define KESTRELON_PLATFORM_DIR_LOCK_H_

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace kestrelon {

class DirectoryLock {
 public:
  explicit DirectoryLock(
      const std::string& directory, const std::function<void()>& on_wait = {},
      std::optional<std::chrono::milliseconds> wait_limit = std::nullopt);
  ~DirectoryLock();
  DirectoryLock(const DirectoryLock&) = delete;
  DirectoryLock& operator=(const DirectoryLock&) = delete;

  bool held() const { return held_; }

 private:
  int fd_;
  bool held_ = false;
};

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_DIR_LOCK_H_
