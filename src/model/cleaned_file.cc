#include "model/cleaned_file.h"

#include <charconv>
#include <cmath>

#include "model/auxiliary_words.h"
#include "model/run_error.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

template <typename F>
void ForEachWord(std::string_view text, F&& f) {
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) f(text.substr(start, i - start));
  }
}

void AddNames(std::string_view line, std::vector<std::string>* names) {
  ForEachWord(line, [names](std::string_view word) {
    if (word[0] == '/' && !names->empty()) {
      names->back().append(word);
    } else {
      names->emplace_back(word);
    }
  });
}

enum class Section { kNone, kElements, kSpecies, kReactions, kList };

// The section a line outside every list opens, if any.
Section Opens(std::string_view line) {
  if (line == "ELEMENTS") return Section::kElements;
  if (line == "SPECIES") return Section::kSpecies;
  if (line == "REACTIONS") return Section::kReactions;
  if (line == kNerHeading) return Section::kList;
  return Section::kNone;
}

// Whether `eq` reads as the exact reverse of the reversible `before`. The
// reverse-rate line is written from its reaction's text, so the check is
// textual.
bool IsReverseOf(std::string_view eq, std::string_view before) {
  size_t arrow = before.find("<=>");
  if (arrow == std::string_view::npos) return false;
  std::string_view left = before.substr(0, arrow);
  std::string_view right = before.substr(arrow + 3);
  return eq.size() == before.size() && eq.substr(0, right.size()) == right &&
         eq.substr(right.size(), 3) == "<=>" &&
         eq.substr(right.size() + 3) == left;
}

class Reader {
 public:
  explicit Reader(const std::string& file) : file_(file) {}

  CleanedFile Read(std::string text) {
    file_text_.source = std::make_unique<const std::string>(std::move(text));
    std::vector<std::string_view> lines = LinesOf(*file_text_.source);
    Section section = Section::kNone;
    int open_line = 0;
    bool saw_reactions = false;
    for (size_t i = 0; i < lines.size(); ++i) {
      const int number = static_cast<int>(i) + 1;
      std::string_view line = Trim(lines[i]);
      if (line.empty()) continue;
      if (section == Section::kNone) {
        section = Opens(line);
        open_line = number;
        if (section == Section::kReactions || section == Section::kList) {
          saw_reactions = saw_reactions || section == Section::kReactions;
          list_ = section == Section::kReactions ? &file_text_.reactions
                                                 : &file_text_.non_elementary;
          last_was_reaction_ = false;
        }
      } else if (line == "END") {
        SettleReverse();
        section = Section::kNone;
      } else if (section == Section::kElements) {
        AddNames(line, &file_text_.elements);
      } else if (section == Section::kSpecies) {
        AddNames(line, &file_text_.species);
      } else {
        ReactionSectionLine(line, number);
      }
    }
    if (section == Section::kElements || section == Section::kSpecies ||
        section == Section::kReactions) {
      throw RunError("this list has no closing END", file_, open_line);
    }
    if (!saw_reactions) throw RunError("no REACTIONS line", file_);
    SettleReverse();
    return std::move(file_text_);
  }

 private:
  void ReactionSectionLine(std::string_view line, int number) {
    if (line.find('=') == std::string_view::npos) {
      // The cleaner keeps such a line where it stood (and warns about it),
      // so a file it wrote may hold one.
      if (list_->empty()) {
        file_text_.unattached_aux.push_back(line);
        return;
      }
      list_->back().aux_lines.push_back(line);
      last_was_reaction_ = false;
      return;
    }
    CleanedReactionLine r = ReactionLine(line, number);
    SettleReverse();
    if (last_was_reaction_ && IsReverseOf(r.equation, list_->back().equation)) {
      list_->back().reverse_rate = RateOf(r);
      last_was_reaction_ = false;
      return;
    }
    // After auxiliary lines of its reaction, the reverse line is followed
    // by copies of some of them; whether it is one is settled at its end.
    reverse_candidate_ = !last_was_reaction_ && !list_->empty() &&
                         list_->back().reverse_rate.empty() &&
                         IsReverseOf(r.equation, list_->back().equation);
    list_->push_back(std::move(r));
    last_was_reaction_ = true;
  }

  // The three numbers stand together at the end of the line.
  static std::string_view RateOf(const CleanedReactionLine& r) {
    return r.text.substr(r.a.data() - r.text.data());
  }

  // A reverse line written after the auxiliary lines of its reaction is
  // followed by copies of the reaction's efficiencies and DUP, and by
  // nothing else: then it is the reaction's reverse rate, and the copies
  // say nothing new. Otherwise it is a reaction of its own.
  void SettleReverse() {
    if (!reverse_candidate_) return;
    reverse_candidate_ = false;
    CleanedReactionLine& reverse = list_->back();
    CleanedReactionLine& forward = (*list_)[list_->size() - 2];
    size_t k = 0;
    for (std::string_view aux : forward.aux_lines) {
      if (!CopiedToReverse(aux)) continue;
      if (k == reverse.aux_lines.size() || reverse.aux_lines[k] != aux) return;
      ++k;
    }
    if (k != reverse.aux_lines.size()) return;
    forward.reverse_rate = RateOf(reverse);
    list_->pop_back();
  }

  CleanedReactionLine ReactionLine(std::string_view line, int number) {
    std::string_view field[4];
    size_t count = 0;
    ForEachWord(line, [&](std::string_view word) {
      if (count < 4) field[count] = word;
      ++count;
    });
    if (count != 4) {
      throw RunError(
          "a reaction line needs its equation and three numbers (A, n, Ea)",
          file_, number);
    }
    CleanedReactionLine r;
    r.line = number;
    r.text = line;
    r.equation = field[0];
    r.a = field[1];
    r.n = field[2];
    r.ea = field[3];
    r.a_value = Number(r.a, "A", number);
    r.n_value = Number(r.n, "n", number);
    r.ea_value = Number(r.ea, "Ea", number);
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
  CleanedFile file_text_;
  std::vector<CleanedReactionLine>* list_ = nullptr;
  bool last_was_reaction_ = false;
  // The last reaction may be the reverse line of the one before it.
  bool reverse_candidate_ = false;
};

// Whether the whole text has the form of a number (see ParseNumberText),
// and whether its exponent is negative.
bool NumberShape(std::string_view t, bool* negative_exponent) {
  size_t i = 0;
  const size_t n = t.size();
  if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
  int digits = 0;
  bool point = false;
  for (; i < n; ++i) {
    if (IsDigit(t[i])) {
      ++digits;
    } else if (t[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  *negative_exponent = false;
  if (digits == 0) return false;
  if (i == n) return true;
  if (t[i] != 'E' && t[i] != 'e' && t[i] != 'D' && t[i] != 'd') return false;
  ++i;
  if (i < n && (t[i] == '+' || t[i] == '-')) *negative_exponent = t[i++] == '-';
  if (i == n) return false;
  for (; i < n; ++i) {
    if (!IsDigit(t[i])) return false;
  }
  return true;
}

}  // namespace

CleanedFile ReadCleanedFile(std::string text, const std::string& file) {
  return Reader(file).Read(std::move(text));
}

std::vector<std::string> CleanedSpecies(std::string_view text) {
  std::vector<std::string> names;
  bool inside = false;
  for (std::string_view line : LinesOf(text)) {
    line = Trim(line);
    if (line.empty()) continue;
    if (!inside) {
      inside = Opens(line) == Section::kSpecies;
    } else if (line == "END") {
      break;
    } else {
      AddNames(line, &names);
    }
  }
  return names;
}

std::optional<double> ParseNumberText(std::string_view text) {
  bool negative_exponent = false;
  if (!NumberShape(text, &negative_exponent)) return std::nullopt;
  // from_chars reads no leading "+" and no Fortran exponent letter, and
  // unlike strtod it does not depend on the locale.
  if (text[0] == '+') text.remove_prefix(1);
  std::string spare;
  if (size_t d = text.find_first_of("Dd"); d != std::string_view::npos) {
    spare = std::string(text);
    spare[d] = 'E';
    text = spare;
  }
  double v = 0;
  std::from_chars_result r =
      std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec == std::errc::result_out_of_range) {
    // Too small for a double is zero; too large is no number.
    if (negative_exponent) return 0.0;
    return std::nullopt;
  }
  if (r.ec != std::errc() || r.ptr != text.data() + text.size() ||
      !std::isfinite(v)) {
    return std::nullopt;
  }
  return v;
}

}  // namespace kestrelon
