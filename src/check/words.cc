#include "check/words.h"

#include <cstdio>
#include <cstdlib>

#include "platform/text_ops.h"

namespace kestrelon {

std::string_view TrimBlanksAndTabs(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

std::string_view FirstWord(std::string_view text) {
  size_t b = 0;
  while (b < text.size() && IsBlank(text[b])) ++b;
  size_t e = b;
  while (e < text.size() && !IsBlank(text[e])) ++e;
  return text.substr(b, e - b);
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    size_t b = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > b) words.push_back(text.substr(b, i - b));
  }
  return words;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::optional<double> NumberOfWord(std::string_view word) {
  // strtod needs a terminated copy; numbers are short, so it lives on the
  // stack.
  char text[64];
  if (word.empty() || word.size() >= sizeof text) return std::nullopt;
  for (size_t k = 0; k < word.size(); ++k) {
    text[k] = (word[k] == 'D' || word[k] == 'd') ? 'E' : word[k];
  }
  text[word.size()] = '\0';
  char* stop = nullptr;
  double v = std::strtod(text, &stop);
  if (stop != text + word.size()) return std::nullopt;
  return v;
}

std::string ShortNumber(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  return buf;
}

}  // namespace kestrelon
