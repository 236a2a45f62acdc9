#include "table/reaction_lines.h"

#include <array>
#include <string_view>

#include "platform/text_ops.h"

namespace kestrelon {
namespace {

// What a collapsed line holds that the spacing replacements act on.
enum Found : unsigned {
  kBlankLess = 1,       // " <"
  kGreaterBlank = 2,    // "> "
  kGreaterGreater = 4,  // ">>", part of "<=>>"
  kBlankPlus = 8,       // " +"
  kPlusBlank = 16,      // "+ "
  kOpenPlus = 32,       // "(+"
};

enum Kind : unsigned char { kOther, kBlank, kLess, kGreater, kPlus, kOpen };

constexpr std::array<unsigned char, 256> MakeKinds() {
  std::array<unsigned char, 256> kinds{};
  kinds[static_cast<unsigned char>(' ')] = kBlank;
  kinds[static_cast<unsigned char>('<')] = kLess;
  kinds[static_cast<unsigned char>('>')] = kGreater;
  kinds[static_cast<unsigned char>('+')] = kPlus;
  kinds[static_cast<unsigned char>('(')] = kOpen;
  return kinds;
}
constexpr std::array<unsigned char, 256> kKinds = MakeKinds();

// kPairs[previous][current]: what the two characters in a row make.
constexpr unsigned char kPairs[6][6] = {
    /* kOther   */ {0, 0, 0, 0, 0, 0},
    /* kBlank   */ {0, 0, kBlankLess, 0, kBlankPlus, 0},
    /* kLess    */ {0, 0, 0, 0, 0, 0},
    /* kGreater */ {0, kGreaterBlank, 0, kGreaterGreater, 0, 0},
    /* kPlus    */ {0, kPlusBlank, 0, 0, 0, 0},
    /* kOpen    */ {0, 0, 0, 0, kOpenPlus, 0},
};

// Makes every run of blanks one blank; returns the Found bits of the
// result.
unsigned CollapseBlankRuns(std::string& line) {
  // Through plain pointers: a store through line[] could alias the
  // string's own size, which the compiler would then reload every time.
  char* const data = line.data();
  const size_t n = line.size();
  size_t out = 0;
  unsigned char prev = kOther;
  unsigned found = 0;
  for (size_t i = 0; i < n; ++i) {
    const char c = data[i];
    const unsigned char kind = kKinds[static_cast<unsigned char>(c)];
    if (kind == kBlank && prev == kBlank) continue;
    found |= kPairs[prev][kind];
    data[out++] = c;
    prev = kind;
  }
  line.resize(out);
  return found;
}

// Whether an "=" of `line` has a blank beside it.
bool BlankBesideEquals(std::string_view line) {
  for (size_t at = line.find('='); at != std::string_view::npos;
       at = line.find('=', at + 1)) {
    if ((at > 0 && line[at - 1] == ' ') ||
        (at + 1 < line.size() && line[at + 1] == ' ')) {
      return true;
    }
  }
  return false;
}

}  // namespace

void SpaceArrow(std::string& line) {
  if (!BlankBesideEquals(line)) return;
  ReplaceAll(line, " = ", "=");
  ReplaceAll(line, "= ", "=");
  ReplaceAll(line, " =", "=");
}

void FormArrow(std::string& line) {
  if (line.find('=') != std::string::npos && !Contains(line, "<=>")) {
    ReplaceAll(line, "=", "<=>");
  }
}

void TagAuxiliary(std::string& line) {
  if (!Contains(line, "<=>")) line.insert(0, kAuxTag);
}

void NormaliseSpacing(std::string& line) {
  // The eight replacements run in their order, but one whose text cannot
  // be in the line at its turn is left out: a text is there only if the
  // collapsed line held it or an earlier replacement made it. Once blanks
  // are single, only "> " out makes ">>" (for "<=>>"), " +" out makes
  // "(+" from "( +", and "(+" turned makes " +" from " (+"; the second
  // "+ " then has nothing left to act on, but runs when " +" did.
  const unsigned found = CollapseBlankRuns(line);
  if (found == 0) return;
  if (found & kBlankLess) ReplaceAll(line, " <", "<");
  const bool greater_blank =
      (found & kGreaterBlank) && ReplaceAll(line, "> ", ">") > 0;
  if ((found & kGreaterGreater) || greater_blank) {
    ReplaceAll(line, "<=>>", "|=>");
  }
  const bool blank_plus = (found & kBlankPlus) && ReplaceAll(line, " +", "+");
  if (found & kPlusBlank) ReplaceAll(line, "+ ", "+");
  const bool open_plus =
      ((found & kOpenPlus) || blank_plus) && ReplaceAll(line, "(+", "+(") > 0;
  if (open_plus && ReplaceAll(line, " +", "+") > 0) {
    ReplaceAll(line, "+ ", "+");
  }
}

void NormaliseReactionLine(std::string& line) {
  SpaceArrow(line);
  FormArrow(line);
  TagAuxiliary(line);
  NormaliseSpacing(line);
}

void NormaliseReactionLines(RunContext& ctx, RowRange rows) {
  for (int row = rows.first; row <= rows.last; ++row) {
    NormaliseReactionLine(ctx.table.At(row, kLineColumn));
  }
}

}  // namespace kestrelon
