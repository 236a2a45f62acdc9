#include "model/cleaned_file.h"

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/auxiliary_words.h"
#include "model/run_error.h"
#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

template <typename F>
void ForEachWord(std::string_view text, F&& f) {
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    while (p < end && IsBlank(*p)) ++p;
    const char* start = p;
    p = FindEither(p, end, ' ', '\t');
    if (p > start) f(std::string_view(start, static_cast<size_t>(p - start)));
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
  if (eq.size() != before.size()) return false;
  size_t arrow = before.find("<=>");
  if (arrow == std::string_view::npos) return false;
  std::string_view left = before.substr(0, arrow);
  std::string_view right = before.substr(arrow + 3);
  return eq.substr(0, right.size()) == right &&
         eq.substr(right.size(), 3) == "<=>" &&
         eq.substr(right.size() + 3) == left;
}

struct ByteCounts {
  size_t equals = 0;     // "=" signs
  size_t line_ends = 0;  // CR and LF
};

ByteCounts CountBytes(std::string_view text) {
  ByteCounts n;
  const char* p = text.data();
  const char* end = p + text.size();
#if defined(__SSE2__)
  // Sixteen bytes at a time, each lane counting up to 255 hits before the
  // lanes are summed.
  const __m128i zero = _mm_setzero_si128();
  const __m128i equals = _mm_set1_epi8('=');
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  auto sum = [zero](__m128i lanes) {
    const __m128i halves = _mm_sad_epu8(lanes, zero);
    return static_cast<size_t>(_mm_extract_epi16(halves, 0) +
                               _mm_extract_epi16(halves, 4));
  };
  while (end - p >= 16) {
    const size_t blocks = std::min<size_t>(255, (end - p) / 16);
    __m128i equal_lanes = zero;
    __m128i end_lanes = zero;
    for (size_t k = 0; k < blocks; ++k, p += 16) {
      const __m128i bytes =
          _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      // A hit compares as -1.
      equal_lanes = _mm_sub_epi8(equal_lanes, _mm_cmpeq_epi8(bytes, equals));
      end_lanes = _mm_sub_epi8(
          end_lanes,
          _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
    }
    n.equals += sum(equal_lanes);
    n.line_ends += sum(end_lanes);
  }
#endif
  for (; p < end; ++p) {
    n.equals += *p == '=';
    n.line_ends += *p == '\r' || *p == '\n';
  }
  return n;
}

class Reader {
 public:
  explicit Reader(const std::string& file) : file_(file) {}

  CleanedFile Read(std::string text) {
    file_text_.source = std::make_unique<const std::string>(std::move(text));
    Reserve(*file_text_.source);
    LineReader lines(*file_text_.source);
    std::string_view raw;
    Section section = Section::kNone;
    int number = 0;
    int open_line = 0;
    bool saw_reactions = false;
    while (lines.Next(raw)) {
      ++number;
      std::string_view line = Trim(raw);
      if (line.empty()) continue;
      if (section == Section::kNone) {
        section = Opens(line);
        open_line = number;
        if (section == Section::kReactions || section == Section::kList) {
          saw_reactions = saw_reactions || section == Section::kReactions;
          list_ = section == Section::kReactions ? &reactions_ : &list_read_;
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
    reactions_.Finish(&file_text_.reactions, &file_text_.aux_lines);
    list_read_.Finish(&file_text_.non_elementary,
                      &file_text_.non_elementary_aux_lines);
    return std::move(file_text_);
  }

 private:
  // One list as it is read: its reactions, and all their auxiliary lines in
  // one vector, so that a reaction costs no allocation of its own. The
  // reactions get their views of the lines when the vector no longer grows.
  struct List {
    std::vector<CleanedReactionLine> reactions;
    std::vector<std::string_view> aux;
    std::vector<uint32_t> aux_count;  // per reaction

    void Reserve(size_t most_reactions, size_t most_aux) {
      reactions.reserve(most_reactions);
      aux_count.reserve(most_reactions);
      aux.reserve(most_aux);
    }
    bool empty() const { return reactions.empty(); }
    CleanedReactionLine& back() { return reactions.back(); }
    std::span<const std::string_view> AuxOf(size_t from_back) const {
      size_t end = aux.size();
      for (size_t k = 0; k < from_back; ++k) {
        end -= aux_count[aux_count.size() - 1 - k];
      }
      const size_t count = aux_count[aux_count.size() - 1 - from_back];
      return std::span(aux).subspan(end - count, count);
    }
    void PopBack() {
      aux.resize(aux.size() - aux_count.back());
      aux_count.pop_back();
      reactions.pop_back();
    }
    void Finish(std::vector<CleanedReactionLine>* out,
                std::vector<std::string_view>* out_aux) {
      *out_aux = std::move(aux);
      size_t at = 0;
      for (size_t i = 0; i < reactions.size(); ++i) {
        reactions[i].aux_lines = std::span(*out_aux).subspan(at, aux_count[i]);
        at += aux_count[i];
      }
      *out = std::move(reactions);
    }
  };

  // Every reaction line holds "=": the lists are given their room at once
  // instead of growing through copies of themselves, each copy new memory
  // to fault in. Room reserved and never used costs address space only.
  void Reserve(std::string_view text) {
    const ByteCounts counts = CountBytes(text);
    reactions_.Reserve(counts.equals, counts.line_ends + 1);
    list_read_.Reserve(counts.equals, counts.line_ends + 1);
  }

  void ReactionSectionLine(std::string_view line, int number) {
    if (line.find('=') == std::string_view::npos) {
      // The cleaner keeps such a line where it stood (and warns about it),
      // so a file it wrote may hold one.
      if (list_->empty()) {
        file_text_.unattached_aux.push_back(line);
        return;
      }
      list_->aux.push_back(line);
      ++list_->aux_count.back();
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
    list_->reactions.push_back(r);
    list_->aux_count.push_back(0);
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
    std::span<const std::string_view> reverse_aux = list_->AuxOf(0);
    size_t k = 0;
    for (std::string_view aux : list_->AuxOf(1)) {
      if (!CopiedToReverse(aux)) continue;
      if (k == reverse_aux.size() || reverse_aux[k] != aux) return;
      ++k;
    }
    if (k != reverse_aux.size()) return;
    std::string_view rate = RateOf(list_->back());
    list_->PopBack();
    list_->back().reverse_rate = rate;
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
  List reactions_;
  List list_read_;  // the list of non-elementary reactions
  List* list_ = nullptr;
  bool last_was_reaction_ = false;
  // The last reaction may be the reverse line of the one before it.
  bool reverse_candidate_ = false;
};

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

}  // namespace kestrelon
