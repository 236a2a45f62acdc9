#include "model/number_reading.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace kestrelon {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the whole text has the form of a number (see ParseNumberText),
// and whether its exponent is negative.
bool NumberShape(std::string_view t, bool* negative_exponent) {
  size_t i = 0;
  const size_t n = t.size();
  if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
  const size_t mantissa = MantissaLength(t.substr(i));
  *negative_exponent = false;
  if (mantissa == 0) return false;
  i += mantissa;
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

// The value of a number text with at most 19 digits whose digits, read as
// an integer below 2^53, and the power of ten that scales them are both
// exact doubles: one multiplication or division then rounds the exact
// value once, to the double from_chars gives. Such are the coefficients of
// nearly every reaction line; false for any other text, left to the full
// reading.
bool ReadPlainNumber(std::string_view t, double* value) {
  static constexpr double kPowers[] = {
      1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr uint64_t kExact = uint64_t{1} << 53;
  size_t i = 0;
  const size_t n = t.size();
  const bool negative = n > 0 && t[0] == '-';
  if (n > 0 && (t[0] == '+' || t[0] == '-')) ++i;
  uint64_t digits = 0;  // wraps past 19 digits, which are refused
  const size_t whole_from = i;
  for (; i < n && IsDigit(t[i]); ++i) {
    digits = digits * 10 + static_cast<uint64_t>(t[i] - '0');
  }
  size_t count = i - whole_from;
  int decimals = 0;
  if (i < n && t[i] == '.') {
    const size_t from = ++i;
    for (; i < n && IsDigit(t[i]); ++i) {
      digits = digits * 10 + static_cast<uint64_t>(t[i] - '0');
    }
    decimals = static_cast<int>(i - from);
    count += i - from;
  }
  if (count > 19) return false;
  if (count == 0) return false;
  int exponent = 0;
  if (i < n) {
    if (t[i] != 'E' && t[i] != 'e') return false;
    ++i;
    const bool negative_exponent = i < n && t[i] == '-';
    if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
    if (i == n || n - i > 4) return false;
    for (; i < n; ++i) {
      if (!IsDigit(t[i])) return false;
      exponent = exponent * 10 + (t[i] - '0');
    }
    if (negative_exponent) exponent = -exponent;
  }
  int scale = exponent - decimals;
  // 25E+30 is 25000000000E+22: exact while the digits stay below 2^53.
  while (scale > 22 && digits < kExact / 10) {
    digits *= 10;
    --scale;
  }
  if (digits > kExact || scale > 22 || scale < -22) return false;
  double v = static_cast<double>(digits);
  v = scale < 0 ? v / kPowers[-scale] : v * kPowers[scale];
  *value = negative ? -v : v;
  return true;
}

}  // namespace

size_t MantissaLength(std::string_view text) {
  size_t i = 0;
  size_t digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      ++digits;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  return digits == 0 ? 0 : i;
}

std::optional<double> ParseNumberText(std::string_view text) {
  double fast = 0;
  if (ReadPlainNumber(text, &fast)) return fast;
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
