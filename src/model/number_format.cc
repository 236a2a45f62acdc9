#include "model/number_format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "model/run_error.h"

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

// Adds one to the decimal digits `digits[0..count)`; returns true when the
// carry ran off the front (all nines), leaving all zeros behind.
bool IncrementDigits(char* digits, size_t count) {
  for (size_t i = count; i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

// A positive value as significant digits d1 d2 ... and the power of ten of
// d1: value = d1.d2d3... x 10^exponent.
struct Decimal {
  char digits[32];
  int count = 0;
  int exponent = 0;
};

// The shortest decimal text that reads back as `magnitude` (> 0, finite).
// Rounding works on these digits, so a value is judged as the user reads
// it: 2.675 is half-way although the double lies a hair below.
Decimal ShortestDecimal(double magnitude) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(
      buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  (void)ec;  // 64 characters always hold a double
  Decimal decimal;
  const char* p = buffer;
  for (; p < end && *p != 'e'; ++p) {
    if (IsDigit(*p)) decimal.digits[decimal.count++] = *p;
  }
  int exponent_sign = 1;
  ++p;  // past 'e'
  if (p < end && (*p == '+' || *p == '-')) {
    if (*p == '-') exponent_sign = -1;
    ++p;
  }
  for (; p < end; ++p) decimal.exponent = decimal.exponent * 10 + (*p - '0');
  decimal.exponent *= exponent_sign;
  return decimal;
}

std::string FormatScientific(double value, int decimals) {
  std::string out;
  const size_t keep = static_cast<size_t>(decimals) + 1;
  out.reserve(keep + 8);
  if (value == 0) {
    out = "0.";
    out.append(static_cast<size_t>(decimals), '0');
    out += "E+00";
    return out;
  }
  Decimal decimal = ShortestDecimal(std::fabs(value));
  if (value < 0) out.push_back('-');
  const size_t start = out.size();
  if (static_cast<size_t>(decimal.count) > keep) {
    out.append(decimal.digits, keep);
    if (decimal.digits[keep] >= '5' &&
        IncrementDigits(out.data() + start, keep)) {
      out[start] = '1';
      ++decimal.exponent;
    }
  } else {
    out.append(decimal.digits, static_cast<size_t>(decimal.count));
    out.append(keep - static_cast<size_t>(decimal.count), '0');
  }
  out.insert(start + 1, 1, '.');
  out.push_back('E');
  out.push_back(decimal.exponent < 0 ? '-' : '+');
  const int magnitude =
      decimal.exponent < 0 ? -decimal.exponent : decimal.exponent;
  if (magnitude < 10) out.push_back('0');
  char buffer[8];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude);
  (void)ec;
  out.append(buffer, end);
  return out;
}

std::string FormatFixed(double value, int decimals) {
  // First the value times 10^decimals, rounded to a whole number, as digits
  // without leading zeros (none at all for zero).
  std::string out;
  if (value != 0) {
    const Decimal decimal = ShortestDecimal(std::fabs(value));
    const long shift =
        static_cast<long>(decimal.exponent) - decimal.count + 1 + decimals;
    if (shift >= 0) {
      out.reserve(static_cast<size_t>(decimal.count + shift) + 2);
      out.append(decimal.digits, static_cast<size_t>(decimal.count));
      out.append(static_cast<size_t>(shift), '0');
    } else {
      const long kept = decimal.count + shift;
      if (kept >= 0) {
        out.append(decimal.digits, static_cast<size_t>(kept));
        if (decimal.digits[kept] >= '5' &&
            IncrementDigits(out.data(), out.size())) {
          out.insert(0, 1, '1');
        }
      }
    }
  }
  // A value that rounds to zero prints as plain zero, never "-0".
  const bool negative = value < 0 && !out.empty();
  const size_t width = static_cast<size_t>(decimals) + 1;
  if (out.size() < width) out.insert(0, width - out.size(), '0');
  if (decimals > 0) out.insert(out.size() - decimals, 1, '.');
  if (negative) out.insert(0, 1, '-');
  return out;
}

// Exact powers of ten: every one up to 1e22 is a double.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxPow10 = 22;

// `magnitude` times 10^scale rounded to a whole number, half-way values
// upwards, judged as on the shortest decimal text of the double, when this
// can be told without that text; false when it cannot.
//
// The shortest text lies within half a unit in the last place (ulp) of the
// double, and the scaling costs one rounding (10^|scale| is exact), so the
// scaled shortest text lies within about one ulp of `t`, far less than
// 2^-46 * t. When the fraction of `t` is further than that from one half,
// the shortest text rounds the same way; whole numbers crossed on the way
// change nothing, since a fraction near 0 or 1 rounds to the same number
// from either side. Subnormal values, whose ulp is not relative to them,
// and scales beyond the exact powers take the exact route.
bool RoundScaled(double magnitude, int scale, uint64_t* rounded) {
  if (scale > kMaxPow10 || scale < -kMaxPow10 ||
      magnitude < std::numeric_limits<double>::min()) {
    return false;
  }
  const double t =
      scale >= 0 ? magnitude * kPow10[scale] : magnitude / kPow10[-scale];
  if (!(t < 0x1p52)) return false;
  const uint64_t whole = static_cast<uint64_t>(t);         // t >= 0: the floor
  const double fraction = t - static_cast<double>(whole);  // exact
  if (std::fabs(fraction - 0.5) <= t * 0x1p-46) return false;
  *rounded = whole + (fraction > 0.5 ? 1 : 0);
  return true;
}

// Writes the decimal digits of `n` (at least one) at `at`; returns the end.
char* PutDigits(char* at, uint64_t n) {
  return std::to_chars(at, at + 20, n).ptr;
}

// FormatScientific without the shortest text; false when RoundScaled
// cannot tell.
bool QuickScientific(double value, int decimals, std::string& out) {
  const double magnitude = std::fabs(value);
  if (!(magnitude >= std::numeric_limits<double>::min())) return false;
  const int keep = decimals + 1;
  // The power of ten of the first digit: estimated from the binary
  // exponent (magnitude lies in [2^binary, 2^(binary+1)), a normal
  // number), at most one too small, then corrected on the scaled value.
  const int binary =
      static_cast<int>((std::bit_cast<uint64_t>(magnitude) >> 52) & 0x7ff) -
      1023;
  // binary * log10(2), rounded down (the product may be negative).
  const double estimate = binary * 0.30102999566398120;
  int exponent = static_cast<int>(estimate);
  if (exponent > estimate) --exponent;
  uint64_t digits = 0;
  for (int tries = 0;; ++tries) {
    if (tries == 3) return false;
    const int scale = keep - 1 - exponent;
    if (scale > kMaxPow10 || scale < -kMaxPow10) return false;
    const double t =
        scale >= 0 ? magnitude * kPow10[scale] : magnitude / kPow10[-scale];
    if (t < kPow10[keep - 1]) {
      --exponent;
    } else if (t >= kPow10[keep]) {
      ++exponent;
    } else {
      if (!RoundScaled(magnitude, scale, &digits)) return false;
      break;
    }
  }
  // 9.9996 to three decimals: the carry makes 10.000, printed 1.000E+01.
  if (digits == static_cast<uint64_t>(kPow10[keep])) {
    digits /= 10;
    ++exponent;
  }
  char text[48];
  char* p = text;
  if (value < 0) *p++ = '-';
  char* const first = p;
  p = PutDigits(first + 1, digits);  // keep digits, the first one moved
  *first = first[1];
  first[1] = '.';
  *p++ = 'E';
  *p++ = exponent < 0 ? '-' : '+';
  const int power = exponent < 0 ? -exponent : exponent;
  if (power < 10) *p++ = '0';
  p = PutDigits(p, static_cast<uint64_t>(power));
  out.assign(text, p);
  return true;
}

// FormatFixed without the shortest text; false when RoundScaled cannot
// tell.
bool QuickFixed(double value, int decimals, std::string& out) {
  uint64_t rounded = 0;
  if (value != 0 && !RoundScaled(std::fabs(value), decimals, &rounded)) {
    return false;
  }
  // At least decimals + 1 digits, with zeros in front.
  const size_t width = static_cast<size_t>(decimals) + 1;
  char digits[24];
  char* end = PutDigits(digits, rounded);
  size_t count = static_cast<size_t>(end - digits);
  if (count < width) {
    std::memmove(digits + (width - count), digits, count);
    std::memset(digits, '0', width - count);
    count = width;
  }
  char text[48];
  char* p = text;
  // A value that rounds to zero prints as plain zero, never "-0".
  if (value < 0 && rounded != 0) *p++ = '-';
  const size_t whole = count - static_cast<size_t>(decimals);
  std::memcpy(p, digits, whole);
  p += whole;
  if (decimals > 0) {
    *p++ = '.';
    std::memcpy(p, digits + whole, count - whole);
    p += count - whole;
  }
  out.assign(text, p);
  return true;
}

// LeadingNumber for the usual coefficient text: no ignored character
// before the number ends, at most 19 significant digits, and a power of
// ten within the exact ones. The digits then make an exact whole number m
// below 2^53 and the value is m times or divided by an exact power of ten,
// which one correctly rounded operation gives as from_chars would. False
// when the text needs the general reading.
bool QuickLeadingNumber(std::string_view text, double* value) {
  const char* p = text.data();
  const char* const end = p + text.size();
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  uint64_t mantissa = 0;
  int significant = 0;
  int power = 0;  // of ten, applied to the mantissa
  bool seen_digit = false;
  bool seen_point = false;
  for (; p < end; ++p) {
    const char c = *p;
    if (IsDigit(c)) {
      seen_digit = true;
      if (mantissa != 0 || c != '0') {
        if (++significant > 19) return false;
        mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
      }
      if (seen_point) --power;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
    } else {
      break;
    }
  }
  if (p < end && Ignored(*p)) return false;
  if (!seen_digit) {
    *value = 0;
    return true;
  }
  if (p < end && (*p == 'E' || *p == 'e' || *p == 'D' || *p == 'd')) {
    const char* q = p + 1;
    bool exponent_negative = false;
    if (q < end && (*q == '+' || *q == '-')) {
      exponent_negative = *q == '-';
      ++q;
    }
    if (q < end && Ignored(*q)) return false;
    if (q < end && IsDigit(*q)) {
      int exponent = 0;
      for (; q < end && IsDigit(*q); ++q) {
        if (exponent > 1000) return false;
        exponent = exponent * 10 + (*q - '0');
      }
      if (q < end && Ignored(*q)) return false;
      power += exponent_negative ? -exponent : exponent;
    }
  }
  double magnitude = 0;
  if (mantissa != 0) {
    if (mantissa > (uint64_t{1} << 53) || power > kMaxPow10 ||
        power < -kMaxPow10) {
      return false;
    }
    magnitude = power >= 0 ? static_cast<double>(mantissa) * kPow10[power]
                           : static_cast<double>(mantissa) / kPow10[-power];
  }
  *value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

std::optional<NumberPattern> ParsePattern(std::string_view text) {
  for (const PatternItem& item : kPatterns) {
    if (item.text == text) return item.pattern;
  }
  return std::nullopt;
}

double LeadingNumber(std::string_view text) {
  double quick = 0;
  if (QuickLeadingNumber(text, &quick)) return quick;
  // The number with the ignored characters taken out and the exponent
  // letter made "e", in the form std::from_chars reads (no "+" sign).
  std::string compact;
  compact.reserve(text.size());
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
  std::string out;
  const bool quick = pattern.scientific
                         ? QuickScientific(value, pattern.decimals, out)
                         : QuickFixed(value, pattern.decimals, out);
  // One object returned on every path, so that it is built in place.
  if (!quick) out = FormatNumberFromDigits(value, pattern);
  return out;
}

std::string FormatNumberFromDigits(double value, NumberPattern pattern) {
  if (!std::isfinite(value)) throw RunError("number out of range");
  return pattern.scientific ? FormatScientific(value, pattern.decimals)
                            : FormatFixed(value, pattern.decimals);
}

}  // namespace kestrelon
