#include "cli/rename_check.h"

#include <algorithm>

#include "platform/text_ops.h"

namespace kestrelon {
namespace {

std::vector<std::string> WordsOf(std::string_view line) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < line.size()) {
    at = line.find_first_not_of(' ', at);
    if (at == std::string_view::npos) break;
    size_t end = std::min(line.find(' ', at), line.size());
    words.emplace_back(line.substr(at, end - at));
    at = end;
  }
  return words;
}

}  // namespace

std::vector<std::string> InputSpecies(std::string_view text) {
  std::vector<std::string> names;
  bool in_list = false;
  LineReader reader(WithoutByteOrderMark(text));
  std::string_view raw;
  while (reader.Next(raw)) {
    std::string line(raw.substr(0, raw.find('!')));
    UpperCaseAscii(line);
    SwapChar(line.data(), line.size(), '\t', ' ');
    std::vector<std::string> words = WordsOf(line);
    size_t first = 0;
    if (!in_list) {
      if (!StartsWith(line, "SPEC")) continue;
      in_list = true;
      first = 1;
    }
    for (size_t i = first; i < words.size(); ++i) {
      if (words[i] == "END") return names;
      names.push_back(words[i]);
    }
  }
  return names;
}

std::optional<std::string> RefusedRename(
    std::vector<std::string> species,
    const std::vector<std::pair<std::string, std::string>>& renames) {
  for (const auto& [former, renamed] : renames) {
    std::string old_name = former;
    std::string new_name = renamed;
    UpperCaseAscii(old_name);
    UpperCaseAscii(new_name);
    auto old_at = std::find(species.begin(), species.end(), old_name);
    if (old_at == species.end() || old_name == new_name) continue;
    if (std::find(species.begin(), species.end(), new_name) != species.end()) {
      return "--rename " + former + "=" + renamed +
             ": the mechanism already has a species " + new_name;
    }
    *old_at = new_name;
  }
  return std::nullopt;
}

}  // namespace kestrelon
