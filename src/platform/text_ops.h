// Text replacements as every pass of the run uses them: each replacement
// acts on all occurrences, scanned once from the left, without overlap and
// without looking again at the text it put in. Positions are 0-based here;
// a pass that talks about 1-based positions converts at its edge.
//
// Also the one-line-at-a-time reader of a file's text that the passes use,
// (a line ends at CR LF, at CR or at LF), and the writer
// that copies unchanged lines of such a text in runs.
//
// Nothing here throws but std::bad_alloc.
#ifndef KESTRELON_PLATFORM_TEXT_OPS_H_
#define KESTRELON_PLATFORM_TEXT_OPS_H_

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace kestrelon {

// Replaces every occurrence of `find` (not empty) in `text` by `with`.
// Returns the number of replacements. Linear in the length of the text
// (times the length of `find` at worst); allocates nothing when `with` is not
// longer than `find`, and only to grow the text otherwise. `find` and `with`
// must not view `text` itself.
size_t ReplaceAll(std::string& text, std::string_view find,
                  std::string_view with);

// Removes every occurrence of `find` (not empty).
inline size_t EraseAll(std::string& text, std::string_view find) {
  return ReplaceAll(text, find, {});
}

// Turns every `from` among the `n` bytes at `p` into `to`.
void SwapChar(char* p, size_t n, char from, char to);

// Whether `c` is a blank or a TAB, the two characters that part words on
// a mechanism line as its authors write it.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

inline bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// `text` without the UTF-8 byte-order mark at its start, if it has one.
inline std::string_view WithoutByteOrderMark(std::string_view text) {
  return StartsWith(text, "\xEF\xBB\xBF") ? text.substr(3) : text;
}

// `text` without blanks (spaces) at its start and end.
std::string_view TrimBlanks(std::string_view text);

// Upper-cases ASCII letters only; other bytes are copied through.
inline void UpperCaseAscii(std::string& text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

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

  // The text after the lines read so far.
  std::string_view rest() const {
    return std::string_view(p_, static_cast<size_t>(end_ - p_));
  }

 private:
  const char* p_;
  const char* end_;
};

// Writes lines to `out`, each closed by CR LF, as LineBuffer does, for a
// pass that copies most lines of a text unchanged: lines that stand in the
// text already closed by CR LF, one after the other, are copied together,
// in one piece. `out` must not be touched between the first Add and
// Finish, which writes what is pending.
class LineCopier {
 public:
  LineCopier(std::string_view text, std::string& out)
      : text_end_(text.data() + text.size()), out_(out) {}

  // `line` views the text given to the constructor.
  void AddFromText(std::string_view line) {
    const char* end = line.data() + line.size();
    if (text_end_ - end >= 2 && end[0] == '\r' && end[1] == '\n') {
      if (line.data() != run_end_) {
        Finish();
        run_begin_ = line.data();
      }
      run_end_ = end + 2;
      return;
    }
    Add(line);
  }

  // Any line.
  void Add(std::string_view line) {
    Finish();
    out_.append(line);
    out_.append("\r\n", 2);
  }

  // Bytes added but not yet in `out`.
  size_t pending() const { return static_cast<size_t>(run_end_ - run_begin_); }

  void Finish() {
    if (run_begin_ != run_end_) {
      out_.append(run_begin_, static_cast<size_t>(run_end_ - run_begin_));
    }
    run_begin_ = run_end_ = nullptr;
  }

 private:
  const char* text_end_;
  std::string& out_;
  const char* run_begin_ = nullptr;
  const char* run_end_ = nullptr;
};

// The first `a` or `b` in [p, end), or `end`.
const char* FindEither(const char* p, const char* end, char a, char b);
// The first `a`, `b` or `c` in [p, end), or `end`.
const char* FindAnyOf3(const char* p, const char* end, char a, char b, char c);
// The first `c` in [p, end), or `end`.
const char* FindByte(const char* p, const char* end, char c);
// The first byte of [p, end) other than `c`, or `end`.
const char* SkipByte(const char* p, const char* end, char c);

// Every line of `text` as LineReader reads them.
std::vector<std::string_view> LinesOf(std::string_view text);

// The number of line ends (CR LF, CR or LF) in [from, to); `to` starts a
// line or ends the text.
int CountLineEnds(const char* from, const char* to);

// Calls `visit(line, number)`, in order, for each line of `text` (as
// LineReader reads them) whose first character other than blanks and TABs
// is `letter`, an upper-case ASCII letter, in either case; `number` is the
// line's, counting the first line of `text` as `first_number`. A `visit`
// that takes the line alone is not given its number, which is then not
// counted. Stops when `visit` returns false. It goes from one such letter
// to the next rather than through every line: a scan for a rare keyword
// line costs little more than a search for the letter.
template <typename Visit>
void ForEachLineStartingWith(std::string_view text, char letter,
                             int first_number, Visit&& visit) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char lower = static_cast<char>(letter | 0x20);
  const char* counted = begin;
  int number = first_number;
  for (const char* p = begin; p < end;) {
    const char* hit = FindEither(p, end, letter, lower);
    if (hit == end) return;
    const char* start = hit;
    while (start > begin && (start[-1] == ' ' || start[-1] == '\t')) --start;
    if (start != begin && start[-1] != '\n' && start[-1] != '\r') {
      p = hit + 1;
      continue;
    }
    const char* line_end = FindEither(hit, end, '\r', '\n');
    const std::string_view line(start, static_cast<size_t>(line_end - start));
    if constexpr (std::is_invocable_v<Visit, std::string_view, int>) {
      number += CountLineEnds(counted, start);
      counted = start;
      if (!visit(line, number)) return;
    } else {
      if (!visit(line)) return;
    }
    p = line_end;
  }
}

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_TEXT_OPS_H_
