#include "output/layout_pass.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/number_format.h"
#include "model/reaction_markers.h"
#include "output/reaction_units.h"
#include "output/reverse_block.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

enum class Keyword { kNone, kLow, kHigh, kRev, kPlog };

// Only the first word counts: "CH2LOW" or "HIGHX" in a reaction line must
// not turn that line into a keyword line.
bool BeginsWithWord(std::string_view line, std::string_view word) {
  if (!StartsWith(line, word)) return false;
  return line.size() == word.size() || line[word.size()] == ' ' ||
         line[word.size()] == '/';
}

Keyword KeywordOf(std::string_view line) {
  if (line.empty() ||
      (line[0] != 'L' && line[0] != 'H' && line[0] != 'R' && line[0] != 'P')) {
    return Keyword::kNone;
  }
  // A line with an arrow is a reaction whatever its first letters
  // ("PLOG/X=>Y" names a species "PLOG/X"), as the REV reordering reads it.
  if (Contains(line, "=")) return Keyword::kNone;
  if (BeginsWithWord(line, "LOW")) return Keyword::kLow;
  if (BeginsWithWord(line, "HIGH")) return Keyword::kHigh;
  if (BeginsWithWord(line, "REV")) return Keyword::kRev;
  if (BeginsWithWord(line, "PLOG")) return Keyword::kPlog;
  return Keyword::kNone;
}

// What a keyword line holds, whatever the unit of the file: the text
// before its "/A n Ea/" block, A and n printed, and Ea as read (in the
// input unit). A PLOG line's block opens with its pressure, kept as written.
// The texts share one string: a big mechanism has thousands of keyword
// lines, all kept until its last file is laid out.
class KeywordValues {
 public:
  KeywordValues(std::initializer_list<std::string_view> parts, double ea)
      : ea_(ea) {
    size_t k = 0;
    for (std::string_view part : parts) {
      text_.append(part);
      size_[k++] = static_cast<uint32_t>(part.size());
    }
  }

  std::string_view line() const { return Part(0); }
  std::string_view keyword_text() const { return Part(1); }
  std::string_view pressure() const { return Part(2); }
  std::string_view a() const { return Part(3); }
  std::string_view n() const { return Part(4); }
  double ea() const { return ea_; }

 private:
  std::string_view Part(size_t k) const {
    size_t at = 0;
    for (size_t i = 0; i < k; ++i) at += size_[i];
    return std::string_view(text_).substr(at, size_[k]);
  }

  std::string text_;
  uint32_t size_[5] = {};
  double ea_;
};

}  // namespace

// The keyword lines of the first file laid out in a run, in their order.
struct LayoutMemo {
  std::vector<KeywordValues> lines;
};

namespace {

constexpr const char* kPlogNeedsFour =
    "PLOG line needs four values P, A, n and Ea between its slashes";

// Reads the "/A n Ea/" block of a keyword line ("/P A n Ea/" for PLOG)
// and prints A and n. `scratch` holds the line as the spacing steps leave
// it.
KeywordValues ReadKeywordValues(const CoefficientStyle& style,
                                std::string_view line, std::string& scratch) {
  scratch.assign(line);
  ReplaceAll(scratch, "  ", " ");
  size_t first = scratch.find('/');
  if (first == std::string::npos ||
      scratch.find('/', first + 1) == std::string::npos) {
    scratch += '/';
  }
  ReplaceAll(scratch, "/ ", "/");
  ReplaceAll(scratch, " /", "/");
  const std::string_view text = scratch;
  const size_t p1 = text.find('/');
  const size_t p2 = p1 == std::string::npos ? p1 : text.find('/', p1 + 1);
  if (p2 == std::string::npos) {
    throw RunError("keyword line without its /A n Ea/ block");
  }
  std::string_view block = text.substr(p1 + 1, p2 - p1 - 1);
  std::string_view pressure;
  if (KeywordOf(line) == Keyword::kPlog) {
    // The pressure is a condition of the rate, not a rate parameter: it
    // keeps its own text, so no pattern can round two pressures into one.
    const size_t blank = block.find(' ');
    if (blank == std::string_view::npos || blank == 0) {
      throw RunError(kPlogNeedsFour);
    }
    pressure = block.substr(0, blank);
    block.remove_prefix(blank + 1);
  }
  const size_t q1 = block.find(' ');
  const size_t q2 = q1 == std::string::npos ? q1 : block.find(' ', q1 + 1);
  if (q2 == std::string::npos) {
    throw RunError(
        pressure.empty()
            ? "keyword line needs three values A, n and Ea between its "
              "slashes"
            : kPlogNeedsFour);
  }
  // A fourth value would be read into Ea ("1600.0 5.0" as 1600.05).
  if (HasFieldAfter(block.substr(q2 + 1))) {
    throw RunError(pressure.empty()
                       ? "keyword line has more than three values A, n and "
                         "Ea between its slashes"
                       : "PLOG line has more than four values P, A, n and Ea "
                         "between its slashes");
  }
  const std::string a =
      FormatNumber(LeadingNumber(block.substr(0, q1)), style.patterns.a);
  const std::string n = FormatNumber(
      LeadingNumber(block.substr(q1 + 1, q2 - q1 - 1)), style.patterns.n);
  const double ea = LeadingNumber(block.substr(q2 + 1));
  return KeywordValues({line, text.substr(0, p1), pressure, a, n}, ea);
}

// The keyword lines of one file, read or taken from the memo of the run:
// the three files hold the same keyword lines in the same order, so the
// second and third file find each line where the first one left it.
class KeywordReader {
 public:
  // A memo made by an earlier file is only read: files laid out side by
  // side share it.
  KeywordReader(const CoefficientStyle& style,
                std::shared_ptr<LayoutMemo>& memo)
      : style_(style), writes_(!memo) {
    if (!memo) memo = std::make_shared<LayoutMemo>();
    memo_ = memo.get();
  }

  const KeywordValues& Read(std::string_view line) {
    std::vector<KeywordValues>& lines = memo_->lines;
    if (next_ < lines.size() && lines[next_].line() == line) {
      return lines[next_++];
    }
    KeywordValues v = ReadKeywordValues(style_, line, scratch_);
    ++next_;
    if (!writes_) {
      own_.emplace(std::move(v));
      return *own_;
    }
    if (next_ <= lines.size()) {
      lines[next_ - 1] = std::move(v);
    } else {
      lines.push_back(std::move(v));
    }
    return lines[next_ - 1];
  }

 private:
  const CoefficientStyle& style_;
  const bool writes_;
  std::optional<KeywordValues> own_;  // read when the memo is not written
  LayoutMemo* memo_;
  size_t next_ = 0;
  std::string scratch_;
};

struct Parameters {
  std::string_view keyword_text;
  std::string_view pressure;
  std::string_view a;
  std::string_view n;
  std::string ea;
};

// A keyword line's values, Ea converted from `from` into `unit` and
// printed; throws when a number is out of range, A and n before Ea.
Parameters ReadParameters(const CoefficientStyle& style, KeywordReader& reader,
                          std::string_view line, EaUnit from, OutUnit unit) {
  const KeywordValues& v = reader.Read(line);
  return {v.keyword_text(), v.pressure(), v.a(), v.n(),
          FormatNumber(ConvertEa(from, unit, v.ea()), style.patterns.ea)};
}

void AppendValues(std::string& out, const Parameters& p) {
  out.append(p.a);
  out.push_back(' ');
  out.append(p.n);
  out.push_back(' ');
  out.append(p.ea);
}

// keyword " /" A " " n " " Ea "/" into `out`; a PLOG line has its pressure
// and a blank before A.
void LayOutKeywordLine(const CoefficientStyle& style, KeywordReader& reader,
                       std::string_view line, EaUnit from, OutUnit unit,
                       std::string& out) {
  const Parameters p = ReadParameters(style, reader, line, from, unit);
  out.assign(p.keyword_text);
  out.append(" /");
  if (!p.pressure.empty()) {
    out.append(p.pressure);
    out.push_back(' ');
  }
  AppendValues(out, p);
  out.push_back('/');
}

// The reverse reaction of `previous`, the reaction line above the REV line,
// which must be a reversible reaction line "REACTANTS<=>PRODUCTS A n Ea",
// into `out`.
void ReverseLine(const CoefficientStyle& style, KeywordReader& reader,
                 std::string_view line, std::string_view previous, EaUnit from,
                 OutUnit unit, std::string& out) {
  const Parameters p = ReadParameters(style, reader, line, from, unit);
  const size_t e = previous.find('=');
  const size_t s = previous.find(' ');
  if (e == std::string_view::npos || e == 0 || e + 1 >= previous.size() ||
      previous[e + 1] != '>' || s == std::string_view::npos || s < e + 2) {
    throw RunError("REV line without a reaction line above it");
  }
  if (previous[e - 1] != '<') {
    throw RunError(
        "REV line after an irreversible reaction (\"=>\"): only a reversible "
        "reaction can have explicit reverse parameters");
  }
  out.assign(previous.substr(e + 2, s - e - 2));  // the products
  out.append("<=>");
  out.append(previous.substr(0, e - 1));  // the reactants
  out.push_back(' ');
  AppendValues(out, p);
}

}  // namespace

// What the pass carries from one piece to the next.
struct LayoutPass::State {
  State(const std::string& path, OutUnit unit, const CoefficientStyle& style,
        std::shared_ptr<LayoutMemo>& memo, const InputLines& origin,
        const TextSink& sink)
      : path(path),
        unit(unit),
        style(style),
        origin(origin),
        sink(sink),
        reader(style, memo),
        from(style.unit) {}

  const std::string& path;
  const OutUnit unit;
  const CoefficientStyle& style;
  const InputLines& origin;
  const TextSink& sink;
  KeywordReader reader;
  LineBuffer out;
  std::string laid;
  // The unit the Ea of the reaction line last read and of its auxiliary
  // lines are written in.
  EaUnit from;
  int number = 0;
  // Element and species lines are never keyword lines, whatever their
  // names; the reaction section and the list after it may hold them.
  bool in_reactions = false;
};

namespace {

constexpr size_t kPiece = 256 * 1024;

}  // namespace

LayoutPass::LayoutPass(const std::string& path, OutUnit unit,
                       const CoefficientStyle& style,
                       std::shared_ptr<LayoutMemo>& memo,
                       const InputLines& origin, const TextSink& sink,
                       size_t lines_before)
    : state_(std::make_unique<State>(path, unit, style, memo, origin, sink)) {
  state_->out.Reserve(kPiece + kPiece / 4);
  state_->number = static_cast<int>(lines_before);
  state_->in_reactions = lines_before > 0;
}

LayoutPass::~LayoutPass() = default;

void LayoutPass::Feed(std::string_view piece) {
  State& s = *state_;
  // A REV line goes after every other line of its reaction (its reverse
  // reaction line would take the lines after it away from the reaction).
  ReorderedLines lines(piece, s.in_reactions);
  LineCopier copier(piece, s.out.mutable_text());
  // The reaction line the auxiliary lines read belong to, a view into the
  // piece: a piece never parts a reaction from its lines.
  std::string_view reaction;
  std::string_view line;
  while (lines.Next(line)) {
    if (s.out.text().size() + copier.pending() >= kPiece) {
      copier.Finish();
      s.sink(s.out.text());
      s.out.mutable_text().clear();
    }
    ++s.number;
    if (!s.in_reactions && line == "REACTIONS") s.in_reactions = true;
    const Keyword keyword = s.in_reactions ? KeywordOf(line) : Keyword::kNone;
    if (keyword == Keyword::kNone) {
      if (s.in_reactions && Contains(line, "=")) {
        reaction = line;
        s.from = ReactionUnitOfBlock(lines.BlockRest(), s.style.unit);
      } else if (s.in_reactions && !line.empty() && line[0] == 'U') {
        // Every Ea of the file is in the file's unit now: the energy word
        // of a UNITS line would name a unit no number is in.
        const std::optional<UnitsLineReading> units = ReadUnitsLine(line);
        if (units && units->energy) {
          if (!units->rest.empty()) copier.Add(units->rest);
          continue;
        }
      }
      copier.AddFromText(line);
      continue;
    }
    try {
      if (keyword == Keyword::kRev) {
        ReverseLine(s.style, s.reader, line, reaction, s.from, s.unit, s.laid);
      } else {
        LayOutKeywordLine(s.style, s.reader, line, s.from, s.unit, s.laid);
      }
    } catch (const RunError& e) {
      if (!e.file().empty()) throw;
      // The user knows the input, not the file written from it.
      if (s.origin.LineOfRow(s.number) > 0) {
        s.origin.FailAtRow(s.number, e.reason());
      }
      throw RunError(e.reason(), s.path, s.number);
    }
    copier.Add(s.laid);
  }
  copier.Finish();
}

void LayoutPass::Finish() {
  state_->sink(state_->out.text());
  state_->out.mutable_text().clear();
}

void JoinMemos(std::shared_ptr<LayoutMemo>& memo,
               std::shared_ptr<LayoutMemo>& later) {
  if (!later) return;
  if (!memo) {
    memo = std::move(later);
    return;
  }
  std::vector<KeywordValues>& lines = memo->lines;
  lines.insert(lines.end(), std::make_move_iterator(later->lines.begin()),
               std::make_move_iterator(later->lines.end()));
  later.reset();
}

}  // namespace kestrelon
