#include "platform/dir_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/run_error.h"

namespace kestrelon {

DirectoryLock::DirectoryLock(const std::string& directory)
    : fd_(::open(directory.empty() ? "." : directory.c_str(),
                 O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (fd_ < 0) {
    throw RunError(std::string("cannot open directory: ") +
                       std::strerror(errno),
                   directory);
  }
  // Each open file description locks on its own, so two runs in one
  // process (two windows) exclude each other as two processes do.
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno != EINTR) {
      int saved = errno;
      ::close(fd_);
      throw RunError(std::string("cannot lock directory: ") +
                         std::strerror(saved),
                     directory);
    }
  }
}

DirectoryLock::~DirectoryLock() { ::close(fd_); }

}  // namespace kestrelon
