#include "compare/cleaned_file.h"

#include <optional>

#include "compare/number_text.h"
#include "model/run_error.h"
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
    list_->push_back(std::move(r));
    last_was_reaction_ = true;
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
};

}  // namespace

CleanedMechanism ParseCleanedFile(std::string text, const std::string& file) {
  return Reader(file).Read(std::move(text));
}

}  // namespace kestrelon
