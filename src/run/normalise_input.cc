#include "run/normalise_input.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/process_memory.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "run/name_rules.h"
#include "run/section_closer.h"

namespace kestrelon {
namespace {

constexpr size_t kMaxPathLength = 32767;
constexpr size_t kShortenFrom = 50;
constexpr int kMaxEndCount = 32767;
// A long path keeps its root in front of the shortened part.
constexpr const char* kRoot = "/";
constexpr const char* kElided = "[...]/";

bool IsBlankOnly(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

// Upper-cases ASCII letters and turns every TAB into a blank, in place;
// written without branches so that the compiler can vectorise it.
void NormaliseBytes(char* p, size_t n) {
  for (size_t i = 0; i < n; ++i) {
    unsigned char c = static_cast<unsigned char>(p[i]);
    c = static_cast<unsigned char>(
        c - (static_cast<unsigned char>(c - 'a') < 26 ? 32 : 0));
    c = c == '\t' ? ' ' : c;
    p[i] = static_cast<char>(c);
  }
}

// Writes the lines of "tempo.int" together with the input line each one
// came from.
class Copy {
 public:
  // `unbounded`: END lines are counted without a limit.
  Copy(size_t input_bytes, bool unbounded) : unbounded_(unbounded) {
    buffer_.Reserve(input_bytes + input_bytes / 16 + 64);
    // The copy is about the input's size, written at once.
    PrefaultForWriting(buffer_.mutable_text().data(), input_bytes);
    origin_.reserve(input_bytes / 40 + 1);
  }

  // Returns the line as added (valid until the next Add).
  std::string_view Add(std::string_view line, int input_line) {
    const size_t at = buffer_.text().size();
    buffer_.Add(line);
    Count(line, input_line);
    return std::string_view(buffer_.text()).substr(at, line.size());
  }

  // Adds `raw` upper-cased and with blanks for TABs, and returns the line
  // as added (valid until the next Add).
  std::string_view AddNormalised(std::string_view raw, int input_line) {
    std::string& text = buffer_.mutable_text();
    const size_t at = text.size();
    text.append(raw);
    NormaliseBytes(text.data() + at, raw.size());
    text.append(kCrLf, 2);
    const std::string_view line(text.data() + at, raw.size());
    Count(line, input_line);
    return line;
  }

  // Takes back the END line that starts at `at` in the text and is line
  // `index` of the copy; only blank and comment lines came after it.
  void TakeBackEnd(size_t at, size_t index) {
    buffer_.mutable_text().erase(at, 5);  // "END" and CR LF
    origin_.erase(origin_.begin() + static_cast<std::ptrdiff_t>(index));
    --end_count_;
  }

  // Takes back the line just added by AddNormalised.
  void DropLast(std::string_view line) {
    buffer_.mutable_text().resize(buffer_.text().size() - line.size() - 2);
    origin_.pop_back();
    if (line == "END") --end_count_;
  }

  std::string& text() { return buffer_.mutable_text(); }
  std::vector<int>& origin() { return origin_; }
  int end_count() const { return end_count_; }
  // The input line of the END line that passed the limit, 0 if none did.
  int overflow_line() const { return overflow_line_; }

 private:
  void Count(std::string_view line, int input_line) {
    origin_.push_back(input_line);
    if (line == "END" && ++end_count_ == kMaxEndCount + 1 && !unbounded_) {
      overflow_line_ = input_line;
    }
  }

  LineBuffer buffer_;
  std::vector<int> origin_;
  int end_count_ = 0;
  int overflow_line_ = 0;
  bool unbounded_;
};

// Rewrites the ELEMENTS keyword line `line` (upper case, no TAB). The part
// from the first "!" on is a comment: ELEM and END are not looked for in it,
// and it stays with the symbols line for the next pass to cut.
// Returns whether the line closes the section (an END was written last).
bool WriteElementsLine(const std::string& line, int input_line, Copy& copy) {
  size_t bang = line.find('!');
  std::string code = line.substr(0, bang);
  std::string comment = bang == std::string::npos ? "" : line.substr(bang);
  bool closes = Contains(code, "END");

  copy.Add("ELEMENTS", input_line);
  EraseAll(code, "ELEMENTS");
  EraseAll(code, "ELEMENT");
  EraseAll(code, "ELEM");
  if (closes) {
    EraseAll(code, "END");
    copy.Add(code + comment, input_line);
    copy.Add("END", input_line);
    return true;
  }
  // A keyword alone leaves an empty line; symbols stay as they were typed,
  // blanks included, so that they are never glued into one word.
  copy.Add(IsBlankOnly(code) ? comment : code + comment, input_line);
  return false;
}

// Where the END line written last stands in the copy.
struct LastEnd {
  size_t at = 0;     // in the text
  size_t index = 0;  // in the lines
};

// Writes what `closer` makes of `line`, the line just added; returns the
// line as it now stands last in the copy.
std::string_view CloseSections(SectionCloser& closer, std::string_view line,
                               int input_line, const LastEnd& last_end,
                               Copy& copy) {
  const SectionLines lines = closer.Read(line);
  if (!lines.end_before && !lines.end_after && !lines.reopens &&
      lines.line == line) {
    return line;
  }
  const std::string keep(lines.line);
  copy.DropLast(line);
  if (lines.reopens) copy.TakeBackEnd(last_end.at, last_end.index);
  if (lines.end_before) copy.Add("END", input_line);
  const std::string_view added = copy.Add(keep, input_line);
  if (!lines.end_after) return added;
  return copy.Add("END", input_line);
}

}  // namespace

std::string LoadedLabel(const std::string& inputpath, int slashpos) {
  if (inputpath.size() < kShortenFrom) return "Loaded: " + inputpath;
  return std::string("Loaded: ") + kRoot + kElided +
         inputpath.substr(static_cast<size_t>(slashpos));
}

int SlashPosition(const std::string& inputpath, const std::string& name) {
  if (inputpath.size() > kMaxPathLength) {
    throw RunError(
        "the path of the input file is longer than 32,767 characters", name);
  }
  const size_t slash = inputpath.rfind('/');
  return slash == std::string::npos ? 0 : static_cast<int>(slash + 1);
}

int NormaliseInput(std::string_view input, std::string& out, InputLines& lines,
                   bool permissive) {
  Copy copy(input.size(), permissive);
  SectionCloser closer;
  bool elements_done = false;
  int input_line = 0;
  LineReader reader(WithoutByteOrderMark(input));
  std::string_view raw;
  LastEnd last_end;
  while (reader.Next(raw)) {
    ++input_line;
    std::string_view line = copy.AddNormalised(raw, input_line);
    if (permissive) {
      line = CloseSections(closer, line, input_line, last_end, copy);
    }
    if (!elements_done && StartsWith(TrimBlanks(line), "ELEM")) {
      elements_done = true;
      const std::string keyword_line(line);
      copy.DropLast(line);
      line = WriteElementsLine(keyword_line, input_line, copy)
                 ? std::string_view("END")
                 : std::string_view();
    }
    if (line == "END") {
      last_end = {copy.text().size() - 5, copy.origin().size() - 1};
    }
  }
  // Other readers close a section left open, REACTIONS above all, at the
  // end of the file.
  if (closer.open()) copy.Add("END", input_line);
  out = std::move(copy.text());
  lines.origin = std::move(copy.origin());

  // Counted on the copy, so that an END split off the ELEMENTS line counts.
  if (copy.overflow_line() != 0) {
    throw RunError("more than 32,767 lines read END", lines.file,
                   copy.overflow_line())
        .PermissiveCleans();
  }
  return copy.end_count();
}

}  // namespace kestrelon
