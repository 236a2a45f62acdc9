// Text replacements as every pass of the run uses them: each replacement
// acts on all occurrences, scanned once from the left, without overlap and
// without looking again at the text it put in. Positions are 0-based here;
// a pass that talks about 1-based positions converts at its edge.
//
// Also the one-line-at-a-time reader of a file's text that the passes use,
// with the line ends of SplitLines (platform/text_file.h).
//
// Nothing here throws but std::bad_alloc.
#ifndef KESTRELON_PLATFORM_TEXT_OPS_H_
#define KESTRELON_PLATFORM_TEXT_OPS_H_

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// Replaces every occurrence of `find` (not empty) in `text` by `with`.
// Returns the number of replacements. Linear in the length of the text;
// allocates nothing when `with` is not longer than `find`, and only to grow
// the text otherwise. `find` and `with` must not view `text` itself.
size_t ReplaceAll(std::string& text, std::string_view find,
                  std::string_view with);

// Removes every occurrence of `find` (not empty).
inline size_t EraseAll(std::string& text, std::string_view find) {
  return ReplaceAll(text, find, {});
}

// Replaces every occurrence of `find` by `with`, both of the same length
// (not zero), in the bytes text[from, end) of a buffer, scanning once from
// the left exactly as ReplaceAll does.
void ReplaceSameLength(std::string& text, size_t from, std::string_view find,
                       std::string_view with);

inline bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// `text` without blanks (spaces) at its start and end.
std::string_view TrimBlanks(std::string_view text);

// The lines of a text one at a time, as views into it. A line ends at
// CR LF, at CR or at LF; a last line without an end is a line too, and an
// empty text has no lines. The text must outlive the reader. Looks at each
// byte of the text once, sixteen at a time where the machine allows.
class LineReader {
 public:
  explicit LineReader(std::string_view text)
      : p_(text.data()), end_(text.data() + text.size()) {}

  // The next line into `line`; false when the text is used up.
  bool Next(std::string_view& line);

 private:
  const char* p_;
  const char* end_;
};

// Every line of `text` as LineReader reads them: the lines SplitLines
// (platform/text_file.h) gives, found faster.
std::vector<std::string_view> LinesOf(std::string_view text);

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_TEXT_OPS_H_
