#include "platform/text_ops.h"

namespace kestrelon {

size_t ReplaceAll(std::string& text, std::string_view find,
                  std::string_view with) {
  if (find.empty()) return 0;
  size_t pos = text.find(find);
  if (pos == std::string::npos) return 0;
  // Builds the result in one pass instead of erasing in place, which would
  // cost a move of the tail for every occurrence.
  std::string out;
  out.reserve(text.size() + (with.size() > find.size() ? text.size() / 2 : 0));
  size_t from = 0;
  size_t count = 0;
  while (pos != std::string::npos) {
    out.append(text, from, pos - from);
    out.append(with);
    from = pos + find.size();
    ++count;
    pos = text.find(find, from);
  }
  out.append(text, from, std::string::npos);
  text.swap(out);
  return count;
}

std::string_view TrimBlanks(std::string_view text) {
  size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  size_t e = text.find_last_not_of(' ');
  return text.substr(b, e - b + 1);
}

}  // namespace kestrelon
