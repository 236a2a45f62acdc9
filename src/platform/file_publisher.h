// Publishes a set of files whole: each target ends up either with its
// complete old content or with its complete new content, whatever stops the
// process (a kill, a full disk, a power cut after the last rename).
//
// Begin() starts the new content of one target in a temporary file in the
// target's directory: hidden, named ".kestrelon-tmp." + the target's name +
// "." + a unique suffix, created exclusively (O_EXCL) and never through a
// link, with the mode of the file it replaces (new files: 0666 less the
// umask); Append() writes to the file begun last, AppendTo() to the file
// Begin() numbered (two threads may write to two files at once), and the
// disk starts writing each piece as it is appended. Stage() is Begin() and
// one Append(). Commit() flushes every staged file to the disk (large ones
// two at a time; fsync: all of them are on the disk before any is
// renamed), renames them over their targets, one right after another in
// the order staged, and flushes the directories. A publisher destroyed
// before Commit() (a failure part way) removes its temporary files, so the
// targets keep their old content.
//
// While a temporary file exists its path is known to
// RemovePendingTemporaries(), which a signal handler may call (it only
// unlinks). RemoveStaleTemporaries() removes what a killed process left in
// a directory; callers hold the directory's lock, so no live run's files are
// there.
//
// Throws FileError naming the target (or, for Commit(), the target whose
// rename failed; the files renamed before it stay published).
#ifndef KESTRELON_PLATFORM_FILE_PUBLISHER_H_
#define KESTRELON_PLATFORM_FILE_PUBLISHER_H_

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

inline constexpr const char* kTemporaryPrefix = ".kestrelon-tmp.";

class FilePublisher {
 public:
  FilePublisher() = default;
  ~FilePublisher();
  FilePublisher(const FilePublisher&) = delete;
  FilePublisher& operator=(const FilePublisher&) = delete;

  size_t Begin(const std::string& target);
  void Append(std::string_view bytes) { AppendTo(staged_.size() - 1, bytes); }
  void AppendTo(size_t file, std::string_view bytes);
  void Stage(const std::string& target, std::string_view content) {
    Begin(target);
    Append(content);
  }
  void Commit();

 private:
  struct Staged {
    std::string target;
    std::string temporary;
    int slot;     // in the signal handler's list, -1 when not listed
    int fd = -1;  // open until the file is flushed
    size_t written = 0;
  };
  void Discard();

  std::vector<Staged> staged_;
};

// Unlinks every temporary file of a publisher of this process that is not
// yet committed. Async-signal-safe.
void RemovePendingTemporaries() noexcept;

// Whether `name` is one Begin() gives a temporary file: kTemporaryPrefix,
// a target's name, "." and a ten-character suffix of digits and lower-case
// letters.
bool IsTemporaryName(std::string_view name);

// Removes the regular files of `directory` (ends with "/", or empty for the
// current directory) whose names IsTemporaryName() accepts, but never the
// file `keep` names (the run's input, whatever it is called or linked as).
// Never throws.
void RemoveStaleTemporaries(const std::string& directory,
                            const std::string& keep = "") noexcept;

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_FILE_PUBLISHER_H_
