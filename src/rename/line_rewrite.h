// Passing the whole text of a file through a per-line rule.
//
// Reads: a file's text, cut into lines at CR LF, CR or LF. Writes: every
// line, as the rule leaves it, closed by CR LF. The rule is called as
// rule(line, out): it returns false when the line stays as it is, or puts
// the line's new text into `out` and returns true. Promises: when the rule
// changes no line the result is empty, so that a caller can leave the file
// byte for byte as it was (its line ends included). Throws what the rule
// throws, and std::bad_alloc.
#ifndef KESTRELON_RENAME_LINE_REWRITE_H_
#define KESTRELON_RENAME_LINE_REWRITE_H_

#include <optional>
#include <string>
#include <string_view>

#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon {

template <typename Rule>
std::optional<std::string> RewriteLines(std::string_view text, Rule&& rule) {
  LineBuffer out;
  out.Reserve(text.size() + text.size() / 16 + 16);
  bool changed = false;
  std::string renamed;
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) {
    if (rule(line, renamed) && renamed != line) {
      changed = true;
      out.Add(renamed);
    } else {
      out.Add(line);
    }
  }
  if (!changed) return std::nullopt;
  return std::move(out.mutable_text());
}

}  // namespace kestrelon

#endif  // KESTRELON_RENAME_LINE_REWRITE_H_
