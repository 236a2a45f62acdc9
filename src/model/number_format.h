// Reading numbers from coefficient texts and printing them with the nine
// number patterns of the main window, so that every mechanism cleaned with
// the same patterns prints its coefficients alike.
//
// Patterns: scientific "0.000E+00", "0.00E+00", "0.0E+00"; fixed "0.0000",
// "0.000", "0.00", "0.0", "0".
#ifndef KESTRELON_MODEL_NUMBER_FORMAT_H_
#define KESTRELON_MODEL_NUMBER_FORMAT_H_

#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

struct NumberPattern {
  bool scientific = false;
  int decimals = 0;
};

// The patterns a user may choose for A, n and Ea, as the window lists them
// and the command line accepts them, and the one chosen when none is.
inline constexpr std::string_view kAPatternItems[] = {"0.000E+00", "0.00E+00",
                                                      "0.0E+00"};
inline constexpr std::string_view kNPatternItems[] = {"0.0000", "0.000",
                                                      "0.00"};
inline constexpr std::string_view kEaPatternItems[] = {"0.00", "0.0", "0"};
inline constexpr std::string_view kDefaultAPattern = kAPatternItems[0];
inline constexpr std::string_view kDefaultNPattern = kNPatternItems[0];
inline constexpr std::string_view kDefaultEaPattern = kEaPatternItems[1];

// The three patterns of a run.
struct Patterns {
  NumberPattern a{true, 3};
  NumberPattern n{false, 4};
  NumberPattern ea{false, 1};
};

// The pattern named by one of the nine list items, or nothing.
std::optional<NumberPattern> ParsePattern(std::string_view text);

// The leading-number value of `text`: blanks, tabs and line feeds are
// ignored wherever they stand; an optional sign, digits with at most one
// ".", an optional exponent (E or D, either case, optional sign, digits).
// Reading stops at the first character that cannot continue the number.
// A text that does not begin with a number gives 0. Never throws; a value
// beyond the double range gives an infinity, which printing refuses.
double LeadingNumber(std::string_view text);

// `value` printed with `pattern`; half-way values (judged on the shortest
// decimal text of the double) round away from zero; a negative value that
// rounds to zero prints without "-". Throws RunError("number out of range")
// for an infinity or NaN.
std::string FormatNumber(double value, NumberPattern pattern);

// The same text as FormatNumber, always worked out from the shortest decimal
// text of `value`. FormatNumber takes a quicker route (scaling by a power of
// ten) whenever that cannot round differently; this one stays for checking
// that it never does.
std::string FormatNumberFromDigits(double value, NumberPattern pattern);

}  // namespace kestrelon

#endif  // KESTRELON_MODEL_NUMBER_FORMAT_H_
