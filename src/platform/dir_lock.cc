#include "platform/dir_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

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

DirectoryLock::DirectoryLock(
    const std::string& directory, const std::function<void()>& on_wait,
    std::optional<std::chrono::milliseconds> wait_limit)
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
  // flock cannot wait for a time: a limited wait polls.
  const auto deadline = std::chrono::steady_clock::now() +
                        wait_limit.value_or(std::chrono::milliseconds(0));
  bool waiting = false;
  for (;;) {
    if (::flock(fd_, how) == 0) {
      held_ = true;
      return;
    }
    int error = errno;
    if (error == EINTR) continue;
    if (error == EWOULDBLOCK && waiting) {
      if (std::chrono::steady_clock::now() >= deadline) {
        ::close(fd_);
        throw FileError(
            "another run still holds this directory; gave up waiting",
            directory);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      continue;
    }
    if (error == EWOULDBLOCK && (how & LOCK_NB)) {
      if (on_wait) {
        try {
          on_wait();
        } catch (...) {
          ::close(fd_);
          throw;
        }
      }
      if (wait_limit) {
        waiting = true;
      } else {
        how = LOCK_EX;
      }
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
