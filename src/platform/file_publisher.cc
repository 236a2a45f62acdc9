#include "platform/file_publisher.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/file_error.h"
#include "platform/side_task.h"

namespace kestrelon {
namespace {

// The temporaries a signal handler removes: fixed buffers, because the
// handler may neither allocate nor take locks. A slot's path is complete
// before the slot is marked in use.
constexpr int kSlots = 16;
constexpr size_t kSlotPath = 4096;
char slot_paths[kSlots][kSlotPath];
volatile sig_atomic_t slot_used[kSlots];

int ListPending(const std::string& path) {
  if (path.size() >= kSlotPath) return -1;
  for (int i = 0; i < kSlots; ++i) {
    if (slot_used[i]) continue;
    std::memcpy(slot_paths[i], path.c_str(), path.size() + 1);
    slot_used[i] = 1;
    return i;
  }
  return -1;  // the next run in the directory removes it
}

void Unlist(int slot) {
  if (slot >= 0) slot_used[slot] = 0;
}

std::string ErrnoText(const char* what, int error) {
  return std::string(what) + ": " + std::strerror(error);
}

std::string DirectoryPart(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A name no other process picks: the process id, a counter and the clock.
std::string UniqueSuffix() {
  static unsigned counter = 0;
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  unsigned long long mix =
      static_cast<unsigned long long>(now) * 2654435761u +
      static_cast<unsigned long long>(::getpid()) * 40503u + ++counter;
  std::string suffix;
  for (int i = 0; i < 10; ++i) {
    suffix.push_back(kDigits[mix % 36]);
    mix /= 36;
  }
  return suffix;
}

// The mode the new file gets: the replaced file's, so that a file the user
// made private stays private. Refuses what a rename must not replace.
mode_t ModeFor(const std::string& target, bool* keep) {
  struct stat st;
  *keep = false;
  if (::lstat(target.c_str(), &st) != 0) {
    if (errno == ENOENT) return 0666;
    throw FileError(ErrnoText("cannot create", errno), target);
  }
  if (S_ISLNK(st.st_mode)) {
    throw FileError("is a symbolic link; refusing to write through it", target);
  }
  if (S_ISDIR(st.st_mode)) {
    throw FileError(ErrnoText("cannot create", EISDIR), target);
  }
  if (!S_ISREG(st.st_mode)) throw FileError("is not a regular file", target);
  *keep = true;
  return st.st_mode & 07777;
}

void WriteAll(int fd, std::string_view content, const std::string& target) {
  const char* p = content.data();
  size_t left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileError(ErrnoText("cannot write", errno), target);
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
}

void SyncDirectory(const std::string& directory) {
  const std::string name = directory.empty() ? "." : directory;
  const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // The renames are done; a directory that cannot be flushed (some file
  // systems refuse) changes nothing the user can act on.
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

FilePublisher::~FilePublisher() { Discard(); }

void FilePublisher::Discard() {
  for (const Staged& s : staged_) {
    if (s.fd >= 0) ::close(s.fd);
    ::unlink(s.temporary.c_str());
    Unlist(s.slot);
  }
  staged_.clear();
}

size_t FilePublisher::Begin(const std::string& target) {
  bool keep_mode = false;
  const mode_t mode = ModeFor(target, &keep_mode);
  const size_t slash = target.rfind('/');
  const std::string name =
      target.substr(slash == std::string::npos ? 0 : slash + 1, 100);
  Staged staged{target, "", -1};
  for (int attempt = 0; staged.fd < 0; ++attempt) {
    staged.temporary =
        DirectoryPart(target) + kTemporaryPrefix + name + "." + UniqueSuffix();
    staged.slot = ListPending(staged.temporary);
    staged.fd =
        ::open(staged.temporary.c_str(),
               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (staged.fd >= 0) break;
    const int error = errno;
    Unlist(staged.slot);
    if (error != EEXIST || attempt == 20) {
      throw FileError(ErrnoText("cannot create", error), target);
    }
  }
  staged_.push_back(staged);
  // The umask narrowed the mode of the new file; the old one's is kept.
  if (keep_mode && ::fchmod(staged.fd, mode) != 0) {
    throw FileError(ErrnoText("cannot keep the file mode", errno), target);
  }
  return staged_.size() - 1;
}

void FilePublisher::AppendTo(size_t file, std::string_view bytes) {
  Staged& s = staged_[file];
  WriteAll(s.fd, bytes, s.target);
  // The disk starts on what is written while the rest is composed, so that
  // Commit waits for little more than the last piece.
  ::sync_file_range(s.fd, static_cast<off_t>(s.written),
                    static_cast<off_t>(bytes.size()), SYNC_FILE_RANGE_WRITE);
  s.written += bytes.size();
}

void FilePublisher::Commit() {
  std::vector<int> errors(staged_.size());
  const auto flush = [this, &errors](size_t from, size_t step) {
    for (size_t i = from; i < staged_.size(); i += step) {
      errors[i] = ::fsync(staged_[i].fd) == 0 ? 0 : errno;
    }
  };
  // Large files are flushed two at a time, so that the file system writes
  // their journal entries together; small ones are flushed in less time
  // than a second thread takes to start.
  constexpr size_t kManyBytes = 1 << 20;
  size_t bytes = 0;
  for (const Staged& s : staged_) bytes += s.written;
  if (staged_.size() > 1 && bytes >= kManyBytes) {
    SideTask odd([&flush] { flush(1, 2); });
    flush(0, 2);
  } else {
    flush(0, 1);
  }
  for (size_t i = 0; i < staged_.size(); ++i) {
    Staged& s = staged_[i];
    if (errors[i] != 0) {
      throw FileError(ErrnoText("cannot write", errors[i]), s.target);
    }
    const int fd = s.fd;
    s.fd = -1;
    if (::close(fd) != 0) {
      throw FileError(ErrnoText("cannot write", errno), s.target);
    }
  }
  for (size_t i = 0; i < staged_.size(); ++i) {
    const Staged& s = staged_[i];
    if (::rename(s.temporary.c_str(), s.target.c_str()) != 0) {
      const int error = errno;
      const std::string target = s.target;
      staged_.erase(staged_.begin(), staged_.begin() + static_cast<long>(i));
      throw FileError(ErrnoText("cannot replace", error), target);
    }
    Unlist(s.slot);
  }
  std::string synced = "\n";  // no directory has this name
  for (const Staged& s : staged_) {
    const std::string directory = DirectoryPart(s.target);
    if (directory != synced) SyncDirectory(directory);
    synced = directory;
  }
  staged_.clear();
}

void RemovePendingTemporaries() noexcept {
  for (int i = 0; i < kSlots; ++i) {
    if (slot_used[i]) ::unlink(slot_paths[i]);
  }
}

// Whether `name` has the form Begin() gives a temporary file: the prefix, a
// target's name, "." and the ten characters of UniqueSuffix().
bool IsTemporaryName(std::string_view name) {
  const std::string_view prefix = kTemporaryPrefix;
  constexpr size_t kSuffix = 10;
  if (name.size() < prefix.size() + 2 + kSuffix ||
      name.substr(0, prefix.size()) != prefix ||
      name[name.size() - kSuffix - 1] != '.') {
    return false;
  }
  for (char c : name.substr(name.size() - kSuffix)) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))) return false;
  }
  return true;
}

void RemoveStaleTemporaries(const std::string& directory,
                            const std::string& keep) noexcept {
  const std::string name = directory.empty() ? "." : directory;
  struct stat kept;
  const bool keeps = !keep.empty() && ::stat(keep.c_str(), &kept) == 0;
  DIR* dir = ::opendir(name.c_str());
  if (dir == nullptr) return;
  while (const dirent* e = ::readdir(dir)) {
    if (!IsTemporaryName(e->d_name)) continue;
    const std::string path = directory + e->d_name;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (keeps && st.st_dev == kept.st_dev && st.st_ino == kept.st_ino) continue;
    ::unlink(path.c_str());
  }
  ::closedir(dir);
}

}  // namespace kestrelon
