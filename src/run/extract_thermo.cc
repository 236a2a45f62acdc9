#include "run/extract_thermo.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

// Collects the lines of "tempo3.int": empty lines are dropped and commas
// held as ";".
class MechanismCopy {
 public:
  explicit MechanismCopy(const TaggedCopy& tagged) {
    out_.Reserve(tagged.text_size() + 64);
    origin_.reserve(tagged.size());
  }

  void AddRange(const TaggedCopy& tagged, size_t begin, size_t end) {
    std::string& text = out_.mutable_text();
    const size_t start = text.size();
    LineCopier copier(tagged.text(), text);
    for (size_t i = begin; i < end; ++i) {
      std::string_view line = tagged.line(i);
      if (line.empty()) continue;
      copier.AddFromText(line);
      origin_.push_back(tagged.origin(i));
    }
    copier.Finish();
    // Line ends hold no comma, so the lines' commas are the text's.
    SwapChar(text.data() + start, text.size() - start, ',', ';');
  }

  void MoveTo(std::string& out, InputLines& input) {
    out = std::move(out_.mutable_text());
    input.origin = std::move(origin_);
  }

 private:
  LineBuffer out_;
  std::vector<int> origin_;
};

}  // namespace

TaggedCopy::TaggedCopy(std::string_view text, const InputLines& input)
    : text_(text),
      lines_(LinesOf(text_)),
      origin_(input.origin.size() == lines_.size() ? input.origin
                                                   : std::vector<int>()) {}

size_t TaggedCopy::Find(std::string_view what, size_t from) const {
  while (from < lines_.size() && lines_[from] != what) ++from;
  return from;
}

ThermoRange FindThermoSection(const TaggedCopy& tagged,
                              const InputLines& input) {
  const size_t first = tagged.Find("THERMO", 0);
  if (first == tagged.size()) {
    throw RunError("has no THERMO line", kTempo2);
  }
  const size_t last = tagged.Find("END", first + 1);
  if (last == tagged.size()) {
    throw RunError("THERMO section has no END line", input.file,
                   tagged.origin(first))
        .PermissiveCleans();
  }
  return {first, last};
}

std::string ThermoFileText(const TaggedCopy& tagged, ThermoRange range) {
  LineBuffer thermo;
  // Sized first: the text is held until the files are published.
  size_t size = 0;
  for (size_t i = range.first; i <= range.last; ++i) {
    size += tagged.line(i).size() + 2;
  }
  thermo.Reserve(size);
  for (size_t i = range.first; i <= range.last; ++i) thermo.Add(tagged.line(i));
  return std::move(thermo.mutable_text());
}

void WriteMechanismCopy(const TaggedCopy& tagged,
                        std::optional<ThermoRange> thermo, std::string& out,
                        InputLines& input) {
  MechanismCopy copy(tagged);
  if (thermo) {
    copy.AddRange(tagged, 0, thermo->first);
    copy.AddRange(tagged, thermo->last + 1, tagged.size());
  } else {
    copy.AddRange(tagged, 0, tagged.size());
  }
  copy.MoveTo(out, input);
}

}  // namespace kestrelon
