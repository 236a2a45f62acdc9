#include "platform/dir_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/file_error.h"

namespace kestrelon {
namespace {

// Errors that mean the file system has no flock (an NFS mount emulates it
// with byte-range locks, which a directory opened for reading cannot take).
bool CannotLockHere(int error) {
  return error == ENOLCK || error == EOPNOTSUPP || error == EBADF ||
         error == EINVAL;
}

}  // namespace

DirectoryLock::DirectoryLock(const std::string& directory,
                             const std::function<void()>& on_wait)
    : fd_(::open(directory.empty() ? "." : directory.c_str(),
                 O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (fd_ < 0) {
    throw FileError(
        std::string("cannot open directory: ") + std::strerror(errno),
        directory);
  }
  // Each open file description locks on its own, so two runs in one
  // process (two windows) exclude each other as two processes do.
  int how = LOCK_EX | LOCK_NB;
  for (;;) {
    if (::flock(fd_, how) == 0) {
      held_ = true;
      return;
    }
    int error = errno;
    if (error == EINTR) continue;
    if (error == EWOULDBLOCK && (how & LOCK_NB)) {
      if (on_wait) {
        try {
          on_wait();
        } catch (...) {
          ::close(fd_);
          throw;
        }
      }
      how = LOCK_EX;
      continue;
    }
    if (CannotLockHere(error)) return;
    ::close(fd_);
    throw FileError(
        std::string("cannot lock directory: ") + std::strerror(error),
        directory);
  }
}

DirectoryLock::~DirectoryLock() { ::close(fd_); }

}  // namespace kestrelon
