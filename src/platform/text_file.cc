#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "platform/file_error.h"
#include "platform/process_memory.h"

namespace kestrelon {
namespace {

std::string ErrnoText(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

FileError TooLarge(const std::string& path) {
  return FileError("is larger than " + std::to_string(kMaxFileBytes >> 20) +
                       " MiB, too large for a mechanism file",
                   path);
}

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now so that a failing close is reported.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

void WriteAll(int fd, std::string_view content, const std::string& path) {
  const char* p = content.data();
  size_t left = content.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileError(ErrnoText("cannot write"), path);
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
}

// O_NONBLOCK: a FIFO planted where a file goes would otherwise block the
// open until some reader comes; with it the open fails (no reader) or the
// regular-file check below refuses it. It changes nothing for regular files.
void WriteWithFlags(const std::string& path, std::string_view content,
                    int flags, const char* open_what) {
  Fd fd(::open(path.c_str(),
               flags | O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
  if (fd.get() < 0) {
    if (errno == ELOOP) {
      throw FileError("is a symbolic link; refusing to write through it", path);
    }
    throw FileError(ErrnoText(open_what), path);
  }
  struct stat st;
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    throw FileError("is not a regular file", path);
  }
  WriteAll(fd.get(), content, path);
  if (!fd.Close()) throw FileError(ErrnoText("cannot close"), path);
}

}  // namespace

std::string ReadFile(const std::string& path) {
  // O_NONBLOCK keeps the open of a FIFO from waiting for a writer; the
  // regular-file check then refuses it.
  Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) throw FileError(ErrnoText("cannot open"), path);
  struct stat st;
  if (::fstat(fd.get(), &st) != 0)
    throw FileError(ErrnoText("cannot read"), path);
  if (!S_ISREG(st.st_mode)) throw FileError("is not a regular file", path);
  if (static_cast<uint64_t>(st.st_size) > kMaxFileBytes) throw TooLarge(path);
  std::string content;
  content.reserve(static_cast<size_t>(st.st_size));
  PrefaultForWriting(content.data(), static_cast<size_t>(st.st_size));
  content.resize(static_cast<size_t>(st.st_size));
  size_t got = 0;
  auto read_some = [&](char* into, size_t room) -> size_t {
    for (;;) {
      ssize_t n = ::read(fd.get(), into, room);
      if (n >= 0) return static_cast<size_t>(n);
      if (errno != EINTR) throw FileError(ErrnoText("cannot read"), path);
    }
  };
  while (got < content.size()) {
    size_t n = read_some(content.data() + got, content.size() - got);
    if (n == 0) break;  // the file shrank while we read it
    got += n;
  }
  content.resize(got);
  // A file that grew while we read it (or reports no size, as some
  // special file systems do) is read on to its end.
  char more[65536];
  while (size_t n = read_some(more, sizeof more)) {
    if (content.size() + n > kMaxFileBytes) throw TooLarge(path);
    content.append(more, n);
  }
  return content;
}

void WriteFile(const std::string& path, std::string_view content) {
  // Truncating would write through a hard link into another file; what is
  // not a regular file (a link, a directory) is left for the open to refuse.
  struct stat st;
  int create = O_CREAT | O_TRUNC;
  if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
      throw FileError(ErrnoText("cannot replace"), path);
    }
    create = O_CREAT | O_EXCL;
  }
  WriteWithFlags(path, content, create, "cannot create");
}

void AppendFile(const std::string& path, std::string_view content) {
  WriteWithFlags(path, content, O_APPEND, "cannot open for appending");
}

void ReplaceThroughWorkingFile(const std::string& target,
                               const std::string& work_path,
                               std::string_view content) {
  struct stat st;
  if (::lstat(target.c_str(), &st) != 0) {
    throw FileError(ErrnoText("cannot replace"), target);
  }
  if (S_ISLNK(st.st_mode)) {
    throw FileError("is a symbolic link; refusing to replace it", target);
  }
  if (!S_ISREG(st.st_mode)) throw FileError("is not a regular file", target);
  try {
    WriteFile(work_path, content);
    if (::rename(work_path.c_str(), target.c_str()) != 0) {
      throw FileError(ErrnoText("cannot replace"), target);
    }
  } catch (const FileError&) {
    struct stat wst;
    if (::lstat(work_path.c_str(), &wst) == 0 && S_ISREG(wst.st_mode)) {
      ::unlink(work_path.c_str());
    }
    throw;
  }
}

void RemoveFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
    throw FileError(ErrnoText("cannot delete"), path);
  }
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace kestrelon
