#include "run/extract_thermo.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "run/tag_sections.h"

namespace kestrelon {
namespace {

// The copy's text, written over the normalised copy it is read from: its
// memory is the input's size and already the process's. A line is written
// only where the text is read already; where one would not be (a keyword
// line split in two, with no comment before it to make room), the rest of
// the copy goes to memory of its own.
class CopyText {
 public:
  // The lines written go to `lines`.
  CopyText(std::string& text, std::vector<std::string_view>& lines)
      : text_(text), end_(text.data() + text.size()), lines_(lines) {}

  // `line` views the text when `from_text`; `unread`: where the text not
  // read yet begins.
  void Add(std::string_view line, bool from_text, const char* unread) {
    if (own_) {
      own_->append(line);
      own_->append(kCrLf, 2);
      return;
    }
    const char* const line_end = line.data() + line.size();
    char* const base = text_.data();
    if (from_text && end_ - line_end >= 2 && line_end[0] == '\r' &&
        line_end[1] == '\n') {
      // Lines that follow one another in the text move as one.
      if (line.data() != run_end_) {
        Flush();
        run_begin_ = line.data();
      }
      run_end_ = line_end + 2;
      lines_.emplace_back(base + at_ + (line.data() - run_begin_), line.size());
      return;
    }
    Flush();
    if (at_ + line.size() + 2 <= static_cast<size_t>(unread - base)) {
      std::memmove(base + at_, line.data(), line.size());
      std::memcpy(base + at_ + line.size(), kCrLf, 2);
      lines_.emplace_back(base + at_, line.size());
      at_ += line.size() + 2;
      return;
    }
    own_.emplace();
    own_->reserve(text_.size() + 64);
    own_->assign(base, at_);
    Add(line, from_text, unread);
  }

  // Leaves the copy's text in the text given, and its lines in `lines`.
  void Finish() {
    Flush();
    if (!own_) {
      text_.resize(at_);
      return;
    }
    text_ = std::move(*own_);
    lines_ = LinesOf(text_);
  }

 private:
  void Flush() {
    if (run_begin_ == run_end_) return;
    const size_t size = static_cast<size_t>(run_end_ - run_begin_);
    char* const to = text_.data() + at_;
    if (run_begin_ != to) std::memmove(to, run_begin_, size);
    at_ += size;
    run_begin_ = run_end_ = nullptr;
  }

  std::string& text_;
  const char* end_;
  std::vector<std::string_view>& lines_;
  size_t at_ = 0;  // the copy's size while written in place
  const char* run_begin_ = nullptr;
  const char* run_end_ = nullptr;
  std::optional<std::string> own_;
};

// Where the lines of the tagged copy go.
class Copier {
 public:
  Copier(std::string& normalised, size_t lines, MechanismCopy& copy)
      : copy_(copy), text_(normalised, copy.lines), out_(normalised) {
    origin_.reserve(lines);
    copy.lines.reserve(lines);
  }

  // A line of the tagged copy; `from_text` when it views the normalised
  // copy, whose text from `unread` on is not read yet.
  void Add(std::string_view line, bool from_text, int from,
           const char* unread) {
    if (section_ == Section::kThermo) {
      thermo_.Add(line);
      if (line == "END") section_ = Section::kAfter;
      return;
    }
    if (section_ == Section::kBefore && line == "THERMO") {
      section_ = Section::kThermo;
      thermo_line_ = from;
      thermo_.Add(line);
      return;
    }
    if (line.empty()) return;
    text_.Add(line, from_text, unread);
    origin_.push_back(from);
  }

  // `known`: the input lines given match the normalised copy's.
  void Finish(bool known, const InputLines& input, std::vector<int>& origin) {
    text_.Finish();
    // Line ends hold no comma, so the lines' commas are the text's.
    SwapChar(out_.data(), out_.size(), ',', ';');
    if (!known) std::fill(origin_.begin(), origin_.end(), 0);
    origin = std::move(origin_);
    if (section_ == Section::kThermo) {
      copy_.thermo_failure = RunError("THERMO section has no END line",
                                      input.file, known ? thermo_line_ : 0)
                                 .PermissiveCleans();
    } else if (section_ == Section::kAfter) {
      copy_.thermo_text = std::move(thermo_.mutable_text());
      // Held until the files are published.
      copy_.thermo_text.shrink_to_fit();
    }
  }

 private:
  enum class Section { kBefore, kThermo, kAfter };

  MechanismCopy& copy_;
  CopyText text_;
  std::string& out_;
  std::vector<int> origin_;
  LineBuffer thermo_;
  Section section_ = Section::kBefore;
  int thermo_line_ = 0;
};

}  // namespace

MechanismCopy CopyMechanism(std::string& text, InputLines& input) {
  MechanismCopy copy;
  Copier copier(text, input.origin.size(), copy);
  bool matched = false;
  copy.has_thermo =
      ForEachTaggedLine(text, input.origin, matched,
                        [&copier](std::string_view line, bool from_text,
                                  int from, const char* unread) {
                          copier.Add(line, from_text, from, unread);
                        });
  std::vector<int> origin;
  copier.Finish(matched, input, origin);
  input.origin = std::move(origin);
  return copy;
}

}  // namespace kestrelon
