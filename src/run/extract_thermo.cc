#include "run/extract_thermo.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/text_file.h"
#include "platform/text_ops.h"
#include "run/name_prompt.h"

namespace kestrelon {
namespace {

constexpr const char* kThermoPrompt =
    "A thermodynamic database is present in your file;\r\n"
    "it will be copied to a new separate file.\r\n"
    "What do you want to call this file?\r\n"
    "\r\n"
    "Reminder... A filename cannot contain any of the following "
    "characters:\r\n"
    "\\/:*?<>|\"";
constexpr const char* kNoName = "You did not enter a name!";

// "tempo2.int" read whole, with the input line of each of its lines.
class TaggedCopy {
 public:
  explicit TaggedCopy(const RunContext& ctx)
      : text_(ReadFile(ctx.WorkPath(kTempo2))),
        lines_(LinesOf(text_)),
        origin_(ctx.origin.size() == lines_.size() ? ctx.origin
                                                   : std::vector<int>()) {}
  // The lines are views into the text.
  TaggedCopy(const TaggedCopy&) = delete;
  TaggedCopy& operator=(const TaggedCopy&) = delete;

  size_t size() const { return lines_.size(); }
  size_t text_size() const { return text_.size(); }
  std::string_view text() const { return text_; }
  std::string_view line(size_t i) const { return lines_[i]; }
  // 0 when the lines of the input are not known.
  int origin(size_t i) const { return origin_.empty() ? 0 : origin_[i]; }

  // Index of the first line from `from` on that reads exactly `what`, or
  // size() when there is none.
  size_t Find(std::string_view what, size_t from) const {
    while (from < lines_.size() && lines_[from] != what) ++from;
    return from;
  }

 private:
  std::string text_;
  std::vector<std::string_view> lines_;
  std::vector<int> origin_;
};

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

  void WriteTo(RunContext& ctx) {
    WriteFile(ctx.WorkPath(kTempo3), out_.text());
    ctx.origin = std::move(origin_);
  }

 private:
  LineBuffer out_;
  std::vector<int> origin_;
};

std::string ThermoPath(const RunContext& ctx, const std::string& name) {
  return ctx.vars.inputdir + name + "." + ctx.thermoext;
}

}  // namespace

void WriteThermoDatabase(RunContext& ctx, std::string_view lines) {
  ctx.thermoname =
      AskFileName(ctx, NamePrompt::kThermoName, kThermoPrompt, kNoName,
                  [&ctx](const std::string& name) {
                    return std::vector<std::string>{ThermoPath(ctx, name)};
                  });
  ctx.vars.thermopath = ThermoPath(ctx, ctx.thermoname);
  ctx.ui.Repaint();
  WriteFile(ctx.vars.thermopath, lines);
  ctx.ui.Repaint();
}

void ExtractThermo(RunContext& ctx) {
  UiServices& ui = ctx.ui;
  ui.SetStatus("Thermo Section...");
  const TaggedCopy tagged(ctx);
  const size_t first = tagged.Find("THERMO", 0);
  if (first == tagged.size()) {
    throw RunError("has no THERMO line", ctx.WorkPath(kTempo2));
  }
  const size_t last = tagged.Find("END", first + 1);
  // Found before anything is asked or written, so that a cut-off database
  // never reaches a file.
  if (last == tagged.size()) {
    throw RunError("THERMO section has no END line", ctx.input_name,
                   tagged.origin(first));
  }

  if (!ctx.check_only) {
    LineBuffer thermo;
    for (size_t i = first; i <= last; ++i) thermo.Add(tagged.line(i));
    WriteThermoDatabase(ctx, thermo.text());
  }

  MechanismCopy copy(tagged);
  copy.AddRange(tagged, 0, first);
  copy.AddRange(tagged, last + 1, tagged.size());
  copy.WriteTo(ctx);
  ui.SetProgress(30);
  ui.SetStatus("In progress...");
}

void CopyWithoutThermo(RunContext& ctx) {
  const TaggedCopy tagged(ctx);
  MechanismCopy copy(tagged);
  copy.AddRange(tagged, 0, tagged.size());
  copy.WriteTo(ctx);
}

}  // namespace kestrelon
