#include "check/thermo_reader.h"

#include <cctype>
#include <optional>
#include <utility>

#include "check/words.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

std::string ExpandTabs(std::string_view line) {
  std::string out;
  out.reserve(line.size() + 8);
  for (char c : line) {
    if (c == '\t') {
      do out += ' ';
      while (out.size() % 8 != 0);
    } else {
      out += c;
    }
  }
  return out;
}

std::string_view Columns(std::string_view line, size_t from, size_t to) {
  if (from >= line.size()) return {};
  return line.substr(from, std::min(to, line.size()) - from);
}

char Mark(std::string_view line) { return line.size() >= 80 ? line[79] : ' '; }

bool IsContent(std::string_view line) {
  return !TrimBlanksAndTabs(line).empty() && line[0] != '!';
}

// Fortran leaves a blank for a "+" in an exponent ("1.5E 01").
std::optional<double> FixedNumber(std::string_view field) {
  std::string text;
  for (char c : field) {
    if (c != ' ') text += c;
  }
  return NumberOfWord(text);
}

bool IsEndLine(std::string_view line) {
  std::string first = Upper(FirstWord(line));
  return first == "END" || first == "ENDOFDATA";
}

void AddElement(std::string_view field, ThermoEntry& entry) {
  std::string symbol = Upper(TrimBlanksAndTabs(Columns(field, 0, 2)));
  std::optional<double> count = FixedNumber(Columns(field, 2, 5));
  if (symbol.empty() || !count || *count == 0) return;
  entry.elements.emplace_back(symbol, *count);
}

// Free-format element pairs, "C 160.00 H 115.00" or "C      193H       84":
// letters, then a count. Nothing when the text is anything else.
std::optional<std::vector<std::pair<std::string, double>>> ElementPairs(
    std::string_view text) {
  std::vector<std::pair<std::string, double>> pairs;
  size_t i = 0;
  auto skip = [&] {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  };
  for (skip(); i < text.size(); skip()) {
    size_t b = i;
    while (i < text.size() &&
           std::isalpha(static_cast<unsigned char>(text[i]))) {
      ++i;
    }
    std::string symbol = Upper(text.substr(b, i - b));
    skip();
    b = i;
    while (i < text.size() &&
           (std::isdigit(static_cast<unsigned char>(text[i])) ||
            text[i] == '.' || text[i] == '-')) {
      ++i;
    }
    std::optional<double> count = NumberOfWord(text.substr(b, i - b));
    if (symbol.empty() || !count) return std::nullopt;
    if (*count != 0) pairs.emplace_back(symbol, *count);
  }
  return pairs;
}

// Where the element counts do not fit their fields, some files give them
// after column 80 ("1C      193H       84"), others on a line of their own
// after a "&" there.
bool ContinuesWithElements(std::string_view line) {
  std::string_view tail = TrimBlanksAndTabs(Columns(line, 80, line.size()));
  return Mark(line) == '&' || (!tail.empty() && tail[0] == '&');
}

void AddExtraElements(std::string_view text, ThermoEntry& entry) {
  if (auto pairs = ElementPairs(text)) {
    entry.elements.insert(entry.elements.end(), pairs->begin(), pairs->end());
  }
}

// Line 1 of an entry; false when its temperatures cannot be read.
bool ReadFirstLine(std::string_view line, double default_mid,
                   ThermoEntry& entry) {
  entry.name = std::string(FirstWord(Columns(line, 0, 24)));
  entry.key = Upper(entry.name);
  for (size_t col = 24; col < 44; col += 5) {
    AddElement(Columns(line, col, col + 5), entry);
  }
  AddElement(Columns(line, 73, 78), entry);
  std::optional<double> low = FixedNumber(Columns(line, 45, 55));
  std::optional<double> high = FixedNumber(Columns(line, 55, 65));
  std::string_view mid_text = Columns(line, 65, 73);
  std::optional<double> mid = FixedNumber(mid_text);
  if (!low || !high) return false;
  if (!mid && !TrimBlanksAndTabs(mid_text).empty()) return false;
  entry.t_low = *low;
  entry.t_high = *high;
  entry.t_mid = mid ? *mid : default_mid;
  return true;
}

// Reads `count` numbers of 15 columns from `line` into `out`.
bool ReadNumbers(std::string_view line, int count, double* out) {
  for (int k = 0; k < count; ++k) {
    std::optional<double> v = FixedNumber(Columns(line, 15 * k, 15 * k + 15));
    if (!v) return false;
    out[k] = *v;
  }
  return true;
}

std::optional<double> DefaultMid(std::string_view line) {
  std::vector<std::string_view> words = Words(line);
  if (words.size() < 3) return std::nullopt;
  for (size_t k = 0; k < 3; ++k) {
    if (!FixedNumber(words[k])) return std::nullopt;
  }
  return FixedNumber(words[1]);
}

}  // namespace

ThermoData ReadThermoLines(const std::vector<std::string_view>& lines,
                           size_t begin, size_t end) {
  ThermoData data;
  end = std::min(end, lines.size());
  bool first_content = true;
  for (size_t i = begin; i < end; ++i) {
    if (!IsContent(lines[i])) continue;
    if (IsEndLine(lines[i])) break;
    const std::string line1 = ExpandTabs(lines[i]);
    // The content lines after this one, as far as there are any: three, or
    // four when the first holds elements.
    size_t next[4];
    int found = 0;
    for (size_t j = i + 1; j < end && found < 4; ++j) {
      if (IsContent(lines[j])) next[found++] = j;
    }
    const bool entry_start =
        Mark(line1) == '1' || Mark(line1) == '&' ||
        (Mark(line1) == ' ' && line1.size() >= 45 && found > 0 &&
         Mark(ExpandTabs(lines[next[0]])) == '2');
    if (first_content && !entry_start) {
      if (std::optional<double> mid = DefaultMid(line1)) {
        data.default_mid = *mid;
      }
    }
    first_content = false;
    if (!entry_start) continue;
    ThermoEntry entry;
    entry.line = static_cast<int>(i + 1);
    const bool temperatures = ReadFirstLine(line1, data.default_mid, entry);
    const size_t* data_lines = next;
    if (ContinuesWithElements(line1)) {
      if (found > 0) AddExtraElements(lines[next[0]], entry);
      ++data_lines;
      --found;
    } else {
      std::string_view tail = Columns(line1, 80, line1.size());
      if (!tail.empty() && TrimBlanksAndTabs(tail)[0] != '!') {
        AddExtraElements(tail, entry);
      }
    }
    if (found < 3) {
      data.problems.push_back(
          {entry.line, "thermo entry of " + entry.name + " is cut short"});
      break;
    }
    double a[14];
    bool numbers = ReadNumbers(ExpandTabs(lines[data_lines[0]]), 5, a) &&
                   ReadNumbers(ExpandTabs(lines[data_lines[1]]), 5, a + 5) &&
                   ReadNumbers(ExpandTabs(lines[data_lines[2]]), 4, a + 10);
    if (!temperatures || !numbers) {
      data.problems.push_back(
          {entry.line, "thermo entry of " + entry.name + ": " +
                           (temperatures ? "a coefficient" : "a temperature") +
                           " cannot be read as a number"});
    } else {
      for (int k = 0; k < 7; ++k) {
        entry.high[k] = a[k];
        entry.low[k] = a[k + 7];
      }
      data.entries.push_back(std::move(entry));
    }
    i = data_lines[2];
  }
  return data;
}

ThermoData ReadThermoFile(std::string_view text) {
  std::vector<std::string_view> lines = LinesOf(text);
  size_t begin = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!IsContent(lines[i])) continue;
    if (StartsWith(Upper(FirstWord(lines[i])), "THER")) begin = i + 1;
    break;
  }
  return ReadThermoLines(lines, begin, lines.size());
}

bool LooksLikeThermoFile(std::string_view text) {
  LineReader reader(text);
  std::string_view line;
  while (reader.Next(line)) {
    if (!IsContent(line)) continue;
    if (StartsWith(Upper(FirstWord(line)), "THERM")) return true;
    return Mark(ExpandTabs(line)) == '1';
  }
  return false;
}

}  // namespace kestrelon
