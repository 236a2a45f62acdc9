// Text files as the run reads and writes them.
//
// Reading: a file is read whole in one buffer and cut into lines. A line ends
// at CR LF, at CR or at LF; a last line without an end is a line too, and an
// empty file has no lines. The bytes of a line are kept as they are.
//
// Writing: the caller builds the whole content in memory (LineBuffer ends
// every line with CR LF) and writes it in one call. Files are never opened
// through a symbolic link: a link planted where a working or output file
// goes makes the write fail instead of reaching the link's target.
//
// Every failure throws FileError naming the file and what went wrong.
#ifndef KESTRELON_PLATFORM_TEXT_FILE_H_
#define KESTRELON_PLATFORM_TEXT_FILE_H_

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// Files above this size are refused: the largest published mechanisms are a
// few megabytes, and a run holds several copies of a file and an index of
// its lines in memory, so a file of gigabytes would exhaust the machine
// instead of failing cleanly.
inline constexpr size_t kMaxFileBytes = size_t{256} << 20;

// Whole content of a regular file. Throws FileError when the file is missing,
// is not a regular file, is larger than kMaxFileBytes, or cannot be read.
std::string ReadFile(const std::string& path);

// Creates `path` anew and writes `content`. A regular file in its place is
// removed first, never truncated: a file linked to it under another name
// keeps its content, and a stale file of another user is replaced. Throws
// FileError when the file cannot be created (a directory or a symbolic link
// in its place, no permission) or written in full.
void WriteFile(const std::string& path, std::string_view content);

// Appends `content` to the existing file `path` (not through a link).
void AppendFile(const std::string& path, std::string_view content);

// Replaces `target` by `content` through the working file `work_path`: the
// whole new text is written to the working file first, which then takes the
// place of the target in one rename, so the target is never half-written.
// On failure the working file is removed and the target keeps its content.
void ReplaceThroughWorkingFile(const std::string& target,
                               const std::string& work_path,
                               std::string_view content);

// Deletes `path`; a missing file is not an error. Throws on other failures.
void RemoveFile(const std::string& path);

bool FileExists(const std::string& path);

// Collects lines, each closed by CR LF.
class LineBuffer {
 public:
  void Reserve(size_t bytes) { text_.reserve(bytes); }
  void Add(std::string_view line) {
    text_.append(line);
    text_.append("\r\n", 2);
  }
  const std::string& text() const { return text_; }
  std::string& mutable_text() { return text_; }

 private:
  std::string text_;
};

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_TEXT_FILE_H_
