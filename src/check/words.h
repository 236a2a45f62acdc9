// Small text helpers of the checks: words between blanks and TABs, upper
// case of ASCII letters, numbers of a free-format field. Views returned
// point into the text given. Nothing here throws but std::bad_alloc.
#ifndef KESTRELON_CHECK_WORDS_H_
#define KESTRELON_CHECK_WORDS_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

std::string_view TrimBlanksAndTabs(std::string_view text);
std::string_view FirstWord(std::string_view text);
std::vector<std::string_view> Words(std::string_view text);
std::string Upper(std::string_view text);

// A whole word read as a number ("1.5E+13", "2.", "-3D2"); nothing when any
// of it is not part of the number.
std::optional<double> NumberOfWord(std::string_view word);

// A number for messages: up to six significant digits, no trailing zeros.
std::string ShortNumber(double v);

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_WORDS_H_
