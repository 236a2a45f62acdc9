#include "table/written_forms.h"

#include <algorithm>

#include "model/number_reading.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool EndsWord(char c) { return c == ' ' || c == '/'; }

bool IsSign(char c) { return c == '+' || c == '-'; }

// The length of the number at the start of `text`, 0 when there is none.
size_t NumberLength(std::string_view text) {
  const size_t sign = !text.empty() && IsSign(text[0]) ? 1 : 0;
  const size_t mantissa = MantissaLength(text.substr(sign));
  if (mantissa == 0) return 0;
  size_t i = sign + mantissa;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'D')) {
    size_t j = i + 1;
    if (j < text.size() && IsSign(text[j])) ++j;
    const size_t digits_from = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > digits_from) i = j;
  }
  return i;
}

// A species name never begins with these; a coefficient followed by one of
// them is not written apart from a species.
bool CanBeginSpecies(char c) {
  if (IsDigit(c)) return false;
  switch (c) {
    case ' ':
    case '.':
    case '+':
    case '-':
    case '=':
    case '<':
    case '>':
    case '/':
    case '!':
      return false;
    default:
      return true;
  }
}

// Whether the "+" at `at` joins two parts of an equation rather than being
// the exponent sign of a number such as 1.0E+13.
bool IsSeparatorPlus(std::string_view line, size_t at) {
  if (at < 2) return true;
  const char letter = line[at - 1];
  const char before = line[at - 2];
  return !((letter == 'E' || letter == 'D') &&
           (IsDigit(before) || before == '.'));
}

}  // namespace

bool StartsWithNumberWord(std::string_view text) {
  const size_t length = NumberLength(text);
  return length > 0 && (length == text.size() || EndsWord(text[length]));
}

void JoinCoefficients(std::string& line) {
  const std::string_view view = line;
  if (view.find('=') == std::string_view::npos) return;
  const size_t n = view.size();
  std::string joined;
  size_t copied = 0;
  // A coefficient stands after blanks at the start of the line or after an
  // operator; the scan goes from one such place to the next, passing over
  // the species between, which make nearly all of the line.
  size_t from = 0;  // just after the start or an operator
  for (;;) {
    size_t i = from;
    while (i < n && view[i] == ' ') ++i;
    if (i < n && (IsDigit(view[i]) || view[i] == '.')) {
      const size_t end = i + MantissaLength(view.substr(i));
      size_t species = end;
      while (species < n && view[species] == ' ') ++species;
      if (end > i && species > end && species < n &&
          CanBeginSpecies(view[species])) {
        joined.append(view.substr(copied, end - copied));
        copied = species;
        i = species;
      }
    }
    // The next operator that may stand before a coefficient.
    for (;; ++i) {
      i = static_cast<size_t>(FindAnyOf3(view.data() + std::min(i, n),
                                         view.data() + n, '=', '>', '+') -
                              view.data());
      if (i >= n) {
        if (copied == 0) return;
        joined.append(view.substr(copied));
        line = std::move(joined);
        return;
      }
      if (view[i] != '+' || IsSeparatorPlus(view, i)) break;
    }
    from = i + 1;
  }
}

size_t RemoveBlankBeforeSeparators(std::string& line) {
  size_t out = 0;
  size_t removed = 0;
  const size_t n = line.size();
  for (size_t i = 0; i < n; ++i) {
    const char c = line[i];
    if (c == ' ' && i + 1 < n && line[i + 1] == '+' &&
        !StartsWithNumberWord(std::string_view(line).substr(i + 1))) {
      ++removed;
      continue;
    }
    line[out++] = c;
  }
  line.resize(out);
  return removed;
}

}  // namespace kestrelon
