// Text replacements as every pass of the run uses them: each replacement
// acts on all occurrences, scanned once from the left, without overlap and
// without looking again at the text it put in. Positions are 0-based here;
// a pass that talks about 1-based positions converts at its edge.
#ifndef KESTRELON_PLATFORM_TEXT_OPS_H_
#define KESTRELON_PLATFORM_TEXT_OPS_H_

#include <string>
#include <string_view>

namespace kestrelon {

// Replaces every occurrence of `find` (not empty) in `text` by `with`.
// Returns the number of replacements. Linear in the length of the text.
size_t ReplaceAll(std::string& text, std::string_view find,
                  std::string_view with);

// Removes every occurrence of `find` (not empty).
inline size_t EraseAll(std::string& text, std::string_view find) {
  return ReplaceAll(text, find, {});
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// `text` without blanks (spaces) at its start and end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_TEXT_OPS_H_
