#include "run/extract_thermo.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/process_memory.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "run/tag_sections.h"

namespace kestrelon {
namespace {

// Where the lines of the tagged copy go.
class Copier {
 public:
  Copier(std::string_view normalised, size_t lines, MechanismCopy& copy)
      : copy_(copy), copier_(normalised, copy.text) {
    copy.text.reserve(normalised.size() + 64);
    origin_.reserve(lines);
  }

  // A line of the tagged copy; `from_text` when it views the normalised
  // copy.
  void Add(std::string_view line, bool from_text, int from) {
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
    PrefaultAhead(line.size());
    if (from_text) {
      copier_.AddFromText(line);
    } else {
      copier_.Add(line);
    }
    origin_.push_back(from);
  }

  // `known`: the input lines given match the normalised copy's.
  void Finish(bool known, const InputLines& input, std::vector<int>& origin) {
    copier_.Finish();
    // Line ends hold no comma, so the lines' commas are the text's.
    SwapChar(copy_.text.data(), copy_.text.size(), ',', ';');
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

  // The copy is the normalised copy less its comments, how much less is
  // known only at its end: its pages are asked for a stretch at a time,
  // before the line of `size` bytes is added.
  void PrefaultAhead(size_t size) {
    constexpr size_t kStretch = 256 * 1024;
    const std::string& text = copy_.text;
    const size_t end = text.size() + copier_.pending() + size + 2;
    if (end <= prefaulted_ || prefaulted_ >= text.capacity()) return;
    const size_t stretch = std::min(kStretch, text.capacity() - prefaulted_);
    PrefaultForWriting(copy_.text.data() + prefaulted_, stretch);
    prefaulted_ += stretch;
  }

  MechanismCopy& copy_;
  LineCopier copier_;
  std::vector<int> origin_;
  LineBuffer thermo_;
  Section section_ = Section::kBefore;
  int thermo_line_ = 0;
  size_t prefaulted_ = 0;  // bytes of the copy's room asked for
};

}  // namespace

MechanismCopy CopyMechanism(std::string_view normalised, InputLines& input) {
  MechanismCopy copy;
  Copier copier(normalised, input.origin.size(), copy);
  bool matched = false;
  copy.has_thermo = ForEachTaggedLine(
      normalised, input.origin, matched,
      [&copier](std::string_view line, bool from_text, int from) {
        copier.Add(line, from_text, from);
      });
  std::vector<int> origin;
  copier.Finish(matched, input, origin);
  input.origin = std::move(origin);
  return copy;
}

}  // namespace kestrelon
