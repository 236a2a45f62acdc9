#include "output/number_format.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

#include "platform/run_error.h"

namespace kestrelon {
namespace {

struct PatternItem {
  std::string_view text;
  NumberPattern pattern;
};

constexpr PatternItem kPatterns[] = {
    {"0.000E+00", {true, 3}}, {"0.00E+00", {true, 2}}, {"0.0E+00", {true, 1}},
    {"0.0000", {false, 4}},   {"0.000", {false, 3}},   {"0.00", {false, 2}},
    {"0.0", {false, 1}},      {"0", {false, 0}},
};

inline bool Ignored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Adds one to the decimal digits in `digits`; returns true when the carry
// ran off the front (all nines), leaving all zeros behind.
bool IncrementDigits(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

// The shortest decimal text that reads back as `magnitude` (> 0, finite):
// its significant digits and the power of ten of the first one. Rounding
// works on these digits, so a value is judged as the user reads it.
void ShortestDigits(double magnitude, std::string& digits, int& exponent) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                 std::chars_format::scientific);
  (void)ec;  // 64 characters always hold a double
  digits.clear();
  const char* p = buffer;
  for (; p < end && *p != 'e'; ++p) {
    if (IsDigit(*p)) digits.push_back(*p);
  }
  exponent = 0;
  int exponent_sign = 1;
  ++p;  // past 'e'
  if (p < end && (*p == '+' || *p == '-')) {
    if (*p == '-') exponent_sign = -1;
    ++p;
  }
  for (; p < end; ++p) exponent = exponent * 10 + (*p - '0');
  exponent *= exponent_sign;
}

std::string FormatScientific(double value, int decimals) {
  std::string out;
  if (value == 0) {
    out = "0.";
    out.append(decimals, '0');
    out += "E+00";
    return out;
  }
  std::string digits;
  int exponent;
  ShortestDigits(std::fabs(value), digits, exponent);
  const size_t keep = static_cast<size_t>(decimals) + 1;
  if (digits.size() > keep) {
    const bool round_up = digits[keep] >= '5';
    digits.resize(keep);
    if (round_up && IncrementDigits(digits)) {
      digits[0] = '1';
      ++exponent;
    }
  } else {
    digits.append(keep - digits.size(), '0');
  }
  if (value < 0) out.push_back('-');
  out.push_back(digits[0]);
  out.push_back('.');
  out.append(digits, 1, std::string::npos);
  out.push_back('E');
  out.push_back(exponent < 0 ? '-' : '+');
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10) out.push_back('0');
  char buffer[8];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
  (void)ec;
  out.append(buffer, end);
  return out;
}

std::string FormatFixed(double value, int decimals) {
  // The value times 10^decimals, rounded to a whole number, as digits.
  std::string scaled;
  if (value != 0) {
    std::string digits;
    int exponent;
    ShortestDigits(std::fabs(value), digits, exponent);
    const long shift = static_cast<long>(exponent) -
                       static_cast<long>(digits.size()) + 1 + decimals;
    if (shift >= 0) {
      scaled = digits;
      scaled.append(static_cast<size_t>(shift), '0');
    } else {
      const long kept = static_cast<long>(digits.size()) + shift;
      if (kept >= 0) {
        const bool round_up = digits[static_cast<size_t>(kept)] >= '5';
        scaled.assign(digits, 0, static_cast<size_t>(kept));
        if (round_up && IncrementDigits(scaled)) scaled.insert(0, 1, '1');
      }
    }
    const size_t first = scaled.find_first_not_of('0');
    scaled.erase(0, first == std::string::npos ? scaled.size() : first);
  }
  std::string out;
  // A value that rounds to zero prints as plain zero, never "-0".
  if (value < 0 && !scaled.empty()) out.push_back('-');
  const size_t width = static_cast<size_t>(decimals) + 1;
  if (scaled.size() < width) out.append(width - scaled.size(), '0');
  out += scaled;
  if (decimals > 0) out.insert(out.size() - decimals, 1, '.');
  return out;
}

}  // namespace

std::optional<NumberPattern> ParsePattern(std::string_view text) {
  for (const PatternItem& item : kPatterns) {
    if (item.text == text) return item.pattern;
  }
  return std::nullopt;
}

double LeadingNumber(std::string_view text) {
  // The number with the ignored characters taken out and the exponent
  // letter made "e", in the form std::from_chars reads (no "+" sign).
  std::string compact;
  compact.reserve(text.size() < 32 ? 32 : text.size());
  size_t i = 0;
  const size_t n = text.size();
  auto skip = [&] {
    while (i < n && Ignored(text[i])) ++i;
  };
  bool negative = false;
  skip();
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool seen_point = false;
  bool seen_digit = false;
  // Where the first non-zero digit stands, for telling an overflow from an
  // underflow when the value does not fit a double.
  long integer_digits = 0;  // counted from the first non-zero digit
  long fraction_zeros = 0;  // zeros after the point before a non-zero digit
  bool seen_nonzero = false;
  for (;; ++i) {
    skip();
    if (i >= n) break;
    const char c = text[i];
    if (IsDigit(c)) {
      seen_digit = true;
      if (c != '0') seen_nonzero = true;
      if (!seen_point && seen_nonzero) ++integer_digits;
      if (seen_point && !seen_nonzero) ++fraction_zeros;
      compact.push_back(c);
    } else if (c == '.' && !seen_point) {
      seen_point = true;
      compact.push_back(c);
    } else {
      break;
    }
  }
  if (!seen_digit) return 0;
  long exponent = 0;
  if (i < n &&
      (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    size_t j = i + 1;
    auto skip_j = [&] {
      while (j < n && Ignored(text[j])) ++j;
    };
    skip_j();
    bool exponent_negative = false;
    if (j < n && (text[j] == '+' || text[j] == '-')) {
      exponent_negative = text[j] == '-';
      ++j;
    }
    skip_j();
    if (j < n && IsDigit(text[j])) {
      compact.push_back('e');
      if (exponent_negative) compact.push_back('-');
      for (; j < n; ++j) {
        skip_j();
        if (j >= n || !IsDigit(text[j])) break;
        compact.push_back(text[j]);
        if (exponent < 1000000000L) exponent = exponent * 10 + (text[j] - '0');
      }
      if (exponent_negative) exponent = -exponent;
    }
  }
  double value = 0;
  const auto [ptr, ec] =
      std::from_chars(compact.data(), compact.data() + compact.size(), value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    if (!seen_nonzero) {
      value = 0;
    } else {
      const long power = integer_digits > 0 ? exponent + integer_digits - 1
                                            : exponent - fraction_zeros - 1;
      value = power > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
  } else if (ec != std::errc()) {
    value = 0;
  }
  return negative ? -value : value;
}

std::string FormatNumber(double value, NumberPattern pattern) {
  if (!std::isfinite(value)) throw RunError("number out of range");
  return pattern.scientific ? FormatScientific(value, pattern.decimals)
                            : FormatFixed(value, pattern.decimals);
}

}  // namespace kestrelon
