#include "table/reaction_lines.h"

#include <cstring>
#include <string_view>

#include "platform/text_ops.h"
#include "table/written_forms.h"

namespace kestrelon {
namespace {

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
  // One pass makes every run of blanks one blank, or none where " <",
  // "> ", " +" or "+ " would take that blank: those four only ever remove
  // single blanks, and removing a blank leaves every other blank between
  // the same two characters, so the characters around a run decide, and in
  // any order. "<=>>" holds neither a blank nor a "+", so it is formed (by
  // "> " only) and replaced alike before or after the blanks at "+" go.
  // The last three replacements act on what the others leave, and only
  // where "(+" stands.
  // Plain pointers: a store through line[] could alias the string's own
  // length, which the compiler would then reload for every character.
  // Words move down over the blanks taken out before them, and runs of
  // blanks are passed sixteen at a time: between the fields of a line they
  // reach forty.
  char* const data = line.data();
  const char* const end = data + line.size();
  const size_t n = line.size();
  size_t out = 0;
  for (size_t i = 0; i < n;) {
    const size_t blank =
        static_cast<size_t>(FindByte(data + i, end, ' ') - data);
    if (out != i) std::memmove(data + out, data + i, blank - i);
    out += blank - i;
    if (blank == n) break;
    const size_t after =
        static_cast<size_t>(SkipByte(data + blank + 1, end, ' ') - data);
    const char previous = out > 0 ? data[out - 1] : '\0';  // last kept
    const char next = after < n ? data[after] : '\0';
    // The "+" of a signed number keeps the blank before it.
    const bool separator_next =
        next == '+' &&
        !StartsWithNumberWord(std::string_view(data + after, n - after));
    if (previous != '>' && previous != '+' && next != '<' && !separator_next) {
      data[out++] = ' ';
    }
    i = after;
  }
  line.resize(out);
  const std::string_view spaced = line;
  if (Contains(spaced, ">>")) ReplaceAll(line, "<=>>", "|=>");
  if (Contains(line, "(+") && ReplaceAll(line, "(+", "+(") > 0 &&
      RemoveBlankBeforeSeparators(line) > 0) {
    ReplaceAll(line, "+ ", "+");
  }
}

void NormaliseReactionLine(std::string& line) {
  JoinCoefficients(line);
  SpaceArrow(line);
  FormArrow(line);
  TagAuxiliary(line);
  NormaliseSpacing(line);
}

}  // namespace kestrelon
