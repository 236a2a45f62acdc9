// What a check found: an error or a warning, at a line of one of the files
// checked (0 the mechanism, 1 the thermo file given apart; line 0 when no
// line applies), with its text. Plain data.
#ifndef KESTRELON_CHECK_FINDING_H_
#define KESTRELON_CHECK_FINDING_H_

#include <string>
#include <vector>

namespace kestrelon {

enum class Severity { kError, kWarning };

struct Finding {
  int file = 0;
  int line = 0;
  Severity severity = Severity::kError;
  std::string text;
};

using Findings = std::vector<Finding>;

inline void AddError(Findings& f, int file, int line, std::string text) {
  f.push_back({file, line, Severity::kError, std::move(text)});
}
inline void AddWarning(Findings& f, int file, int line, std::string text) {
  f.push_back({file, line, Severity::kWarning, std::move(text)});
}

}  // namespace kestrelon

#endif  // KESTRELON_CHECK_FINDING_H_
