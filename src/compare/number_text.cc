#include "compare/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace kestrelon {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Shape {
  bool ok = false;
  size_t mantissa_end = 0;  // index of the exponent letter, or size
  int decimals = 0;
  long exponent = 0;
};

Shape ShapeOf(std::string_view t) {
  Shape s;
  size_t i = 0;
  const size_t n = t.size();
  if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
  int digits = 0;
  bool point = false;
  for (; i < n; ++i) {
    if (IsDigit(t[i])) {
      ++digits;
      if (point) ++s.decimals;
    } else if (t[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return s;
  s.mantissa_end = i;
  if (i < n) {
    char e = t[i];
    if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return s;
    ++i;
    bool negative = false;
    if (i < n && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    if (i == n) return s;
    for (; i < n; ++i) {
      if (!IsDigit(t[i])) return s;
      // Exponents past any double's range only need to stay large.
      if (s.exponent < 100000) s.exponent = s.exponent * 10 + (t[i] - '0');
    }
    if (negative) s.exponent = -s.exponent;
  }
  s.ok = true;
  return s;
}

}  // namespace

std::optional<double> ParseNumberText(std::string_view text) {
  Shape s = ShapeOf(text);
  if (!s.ok) return std::nullopt;
  // from_chars reads no leading "+" and no Fortran exponent letter, and
  // unlike strtod it does not depend on the locale.
  if (text[0] == '+') {
    text.remove_prefix(1);
    --s.mantissa_end;
  }
  std::string spare;
  if (s.mantissa_end < text.size() &&
      (text[s.mantissa_end] == 'D' || text[s.mantissa_end] == 'd')) {
    spare = std::string(text);
    spare[s.mantissa_end] = 'E';
    text = spare;
  }
  double v = 0;
  std::from_chars_result r =
      std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec == std::errc::result_out_of_range) {
    // Too small for a double is zero; too large is no number.
    if (s.exponent < 0) return 0.0;
    return std::nullopt;
  }
  if (r.ec != std::errc() || r.ptr != text.data() + text.size() ||
      !std::isfinite(v)) {
    return std::nullopt;
  }
  return v;
}

double LastDigitUnit(std::string_view text) {
  Shape s = ShapeOf(text);
  return std::pow(10.0, static_cast<double>(s.exponent - s.decimals));
}

bool NumberTextsDiffer(std::string_view a, std::string_view b,
                       const Tolerance& tolerance) {
  if (a == b) return false;
  std::optional<double> x = ParseNumberText(a);
  std::optional<double> y = ParseNumberText(b);
  if (!x || !y) return true;
  double gap = std::fabs(*x - *y);
  if (tolerance.relative) {
    return gap > tolerance.rel * std::max(std::fabs(*x), std::fabs(*y));
  }
  double reach = (LastDigitUnit(a) + LastDigitUnit(b)) / 2;
  // Ranges that only touch do not meet (a half-way value rounds one way);
  // the slack keeps the binary error of the decimal texts from turning
  // 0.6 - 0.5 into a little less than the 0.1 it is.
  return gap >= reach * (1.0 - 1e-9);
}

}  // namespace kestrelon
