#include "compare/cleaned_file.h"

#include <optional>

#include "compare/number_text.h"
#include "platform/run_error.h"
#include "platform/text_file.h"

namespace kestrelon {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  size_t b = 0;
  size_t e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// Up to kMaxFields blank-separated fields of a line; `count` tells how many
// the line holds, even past the limit.
constexpr size_t kMaxFields = 5;
struct FieldList {
  std::string_view field[kMaxFields];
  size_t count = 0;
};

FieldList Fields(std::string_view line) {
  FieldList f;
  ForEachWord(line, [&f](std::string_view word) {
    if (f.count < kMaxFields) f.field[f.count] = word;
    ++f.count;
    return true;
  });
  return f;
}

void AddNames(std::string_view line, std::vector<std::string>* names) {
  ForEachWord(line, [names](std::string_view f) {
    // "D   /2.014/": the weight belongs to the element before it.
    if (f[0] == '/' && !names->empty()) {
      names->back().append(f);
    } else {
      names->emplace_back(f);
    }
    return true;
  });
}

enum class Section { kNone, kElements, kSpecies, kReactions, kList };

class Reader {
 public:
  explicit Reader(const std::string& file) : file_(file) {}

  CleanedMechanism Read(std::string text) {
    mech_.source = std::make_unique<const std::string>(std::move(text));
    std::vector<std::string_view> lines = SplitLines(*mech_.source);
    Section section = Section::kNone;
    int open_line = 0;
    bool saw_reactions = false;
    for (size_t i = 0; i < lines.size(); ++i) {
      const int number = static_cast<int>(i) + 1;
      std::string_view line = Trim(lines[i]);
      if (line.empty()) continue;
      switch (section) {
        case Section::kNone:
          if (line == "ELEMENTS") {
            section = Section::kElements;
          } else if (line == "SPECIES") {
            section = Section::kSpecies;
          } else if (line == "REACTIONS") {
            section = Section::kReactions;
            saw_reactions = true;
            list_ = &mech_.reactions;
            last_was_reaction_ = false;
          } else if (line == kNonElementaryHeading) {
            section = Section::kList;
            list_ = &mech_.non_elementary;
            last_was_reaction_ = false;
          }
          if (section != Section::kNone) open_line = number;
          break;
        case Section::kElements:
        case Section::kSpecies:
          if (line == "END") {
            section = Section::kNone;
          } else {
            AddNames(line, section == Section::kElements ? &mech_.elements
                                                         : &mech_.species);
          }
          break;
        case Section::kReactions:
        case Section::kList:
          if (line == "END") {
            SettleReverse();
            section = Section::kNone;
          } else {
            ReactionSectionLine(line, number);
          }
          break;
      }
    }
    if (section == Section::kElements || section == Section::kSpecies ||
        section == Section::kReactions) {
      throw RunError("this list has no closing END", file_, open_line);
    }
    if (!saw_reactions) throw RunError("no REACTIONS line", file_);
    SettleReverse();
    return std::move(mech_);
  }

 private:
  void ReactionSectionLine(std::string_view line, int number) {
    if (line.find('=') == std::string_view::npos) {
      if (list_->empty()) {
        throw RunError("auxiliary line before the first reaction", file_,
                       number);
      }
      ParseAuxLine(line, &list_->back().aux);
      last_was_reaction_ = false;
      return;
    }
    CleanedReaction r = ParseReaction(line, number);
    SettleReverse();
    if (last_was_reaction_ && IsReverseOf(r, list_->back())) {
      AuxItem rev;
      rev.name = "REV";
      rev.has_values = true;
      // The three numbers stand together at the end of the line.
      rev.values = r.text.substr(r.a.data() - r.text.data());
      list_->back().aux.push_back(std::move(rev));
      last_was_reaction_ = false;
      return;
    }
    // After auxiliary lines of its reaction, the reverse line is followed
    // by copies of some of them; whether it is one is settled at its end.
    reverse_candidate_ = !last_was_reaction_ && !list_->empty() &&
                         IsReverseOf(r, list_->back()) &&
                         !HasRev(list_->back());
    list_->push_back(std::move(r));
    last_was_reaction_ = true;
  }

  static bool HasRev(const CleanedReaction& r) {
    for (const AuxItem& item : r.aux) {
      if (item.name == "REV") return true;
    }
    return false;
  }

  static bool SameItem(const AuxItem& a, const AuxItem& b) {
    return a.name == b.name && a.efficiency == b.efficiency &&
           a.ValuesText() == b.ValuesText();
  }

  // A reverse line written after the auxiliary lines of its reaction is
  // followed by copies of the reaction's efficiencies and DUP, and by
  // nothing else: then it is the reaction's reverse rate, and the copies
  // say nothing new. Otherwise it is a reaction of its own.
  void SettleReverse() {
    if (!reverse_candidate_) return;
    reverse_candidate_ = false;
    CleanedReaction& reverse = list_->back();
    CleanedReaction& forward = (*list_)[list_->size() - 2];
    size_t k = 0;
    for (const AuxItem& item : forward.aux) {
      if (!item.efficiency && item.name != "DUP") continue;
      if (k == reverse.aux.size() || !SameItem(item, reverse.aux[k])) return;
      ++k;
    }
    if (k != reverse.aux.size()) return;
    AuxItem rev;
    rev.name = "REV";
    rev.has_values = true;
    rev.values = reverse.text.substr(reverse.a.data() - reverse.text.data());
    forward.aux.push_back(rev);
    list_->pop_back();
  }

  // The reverse-rate line is written from its reaction's text, so the
  // check is textual.
  static bool IsReverseOf(const CleanedReaction& r,
                          const CleanedReaction& before) {
    if (!r.reversible || !before.reversible) return false;
    std::string_view eq = before.equation;
    size_t arrow = eq.find("<=>");
    if (arrow == std::string_view::npos) return false;
    std::string_view left = eq.substr(0, arrow);
    std::string_view right = eq.substr(arrow + 3);
    std::string_view mine = r.equation;
    return mine.size() == eq.size() && mine.substr(0, right.size()) == right &&
           mine.substr(right.size(), 3) == "<=>" &&
           mine.substr(right.size() + 3) == left;
  }

  CleanedReaction ParseReaction(std::string_view line, int number) {
    FieldList f = Fields(line);
    if (f.count != 4) {
      throw RunError(
          "a reaction line needs its equation and three numbers (A, n, Ea)",
          file_, number);
    }
    CleanedReaction r;
    r.line = number;
    r.text = line;
    r.equation = f.field[0];
    r.a = f.field[1];
    r.n = f.field[2];
    r.ea = f.field[3];
    r.a_value = Number(r.a, "A", number);
    r.n_value = Number(r.n, "n", number);
    r.ea_value = Number(r.ea, "Ea", number);
    ReactionKey k = MakeReactionKey(r.equation);
    if (!k.valid) {
      throw RunError("the equation has no arrow", file_, number);
    }
    r.key = std::move(k.key);
    r.reversible = k.reversible;
    r.swapped = k.swapped;
    return r;
  }

  double Number(std::string_view text, const char* what, int number) {
    std::optional<double> v = ParseNumberText(text);
    if (!v) {
      throw RunError(
          std::string(what) + " \"" + std::string(text) + "\" is not a number",
          file_, number);
    }
    return *v;
  }

  const std::string& file_;
  CleanedMechanism mech_;
  std::vector<CleanedReaction>* list_ = nullptr;
  bool last_was_reaction_ = false;
  // The last reaction may be the reverse line of the one before it.
  bool reverse_candidate_ = false;
};

}  // namespace

CleanedMechanism ParseCleanedFile(std::string text, const std::string& file) {
  return Reader(file).Read(std::move(text));
}

}  // namespace kestrelon
