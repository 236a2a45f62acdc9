#include "table/written_forms.h"

#include "model/number_reading.h"

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

// Whether a coefficient may start at `at`: nothing but blanks stands between
// it and the start of the line, a separating "+", an "=" or a ">".
// `last` is where the last character before `at` that is not a blank
// stands (npos: none), so that long runs of blanks are not walked back.
bool OpensCoefficient(std::string_view line, size_t at, size_t last) {
  if (at > 0 && !(line[at - 1] == ' ' || line[at - 1] == '+' ||
                  line[at - 1] == '=' || line[at - 1] == '>')) {
    return false;
  }
  if (last == std::string_view::npos) return true;
  const char c = line[last];
  return c == '=' || c == '>' || (c == '+' && IsSeparatorPlus(line, last));
}

}  // namespace

bool StartsWithNumberWord(std::string_view text) {
  const size_t length = NumberLength(text);
  return length > 0 && (length == text.size() || EndsWord(text[length]));
}

void JoinCoefficients(std::string& line) {
  if (line.find('=') == std::string::npos) return;
  const std::string_view view = line;
  std::string joined;
  size_t copied = 0;
  size_t last = std::string_view::npos;  // the last character not a blank
  for (size_t i = 0; i < view.size(); ++i) {
    const char c = view[i];
    if (c == ' ') continue;
    if ((IsDigit(c) || c == '.') && OpensCoefficient(view, i, last)) {
      const size_t end = i + MantissaLength(view.substr(i));
      size_t species = end;
      while (species < view.size() && view[species] == ' ') ++species;
      if (end > i && species > end && species < view.size() &&
          CanBeginSpecies(view[species])) {
        joined.append(view.substr(copied, end - copied));
        copied = species;
        last = end - 1;
        i = species - 1;
        continue;
      }
    }
    last = i;
  }
  if (copied == 0) return;
  joined.append(view.substr(copied));
  line = std::move(joined);
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
