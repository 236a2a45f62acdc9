#include "model/auxiliary_words.h"

#include "platform/text_ops.h"

namespace kestrelon {
namespace {

constexpr std::string_view kKeywords[] = {
    "LOW",   "HIGH",      "TROE",    "SRI",     "REV",  "LT",    "RLT",
    "PLOG",  "CHEB",      "TCHEB",   "PCHEB",   "FORD", "RORD",  "UNITS",
    "TDEP",  "EXCI",      "JAN",     "FIT1",    "HV",   "MOME",  "XSMI",
    "DUP",   "DUPLICATE", "USRPROG", "COLLEFF", "EFFS", "STICK", "MWON",
    "MWOFF", "NONCON",    "COV"};

// An item of an auxiliary line: a word, and the "/.../" block after it if
// there is one (to the end of the line when it is not closed).
struct Item {
  size_t from;
  size_t to;
  bool laid_out;  // a LOW, HIGH, REV or PLOG block with three values
};

bool HasThreeValues(std::string_view block) {
  int values = 0;
  bool in_value = false;
  for (char c : block) {
    if (IsBlank(c)) {
      in_value = false;
    } else if (!in_value) {
      in_value = true;
      ++values;
    }
  }
  return values >= 3;
}

// The item that starts at or after `at`; false when only blanks are left.
bool NextItem(std::string_view line, size_t at, Item& item) {
  while (at < line.size() && IsBlank(line[at])) ++at;
  if (at == line.size()) return false;
  size_t end = at;
  while (end < line.size() && !IsBlank(line[end]) && line[end] != '/') ++end;
  const std::string_view word = line.substr(at, end - at);
  size_t slash = end;
  while (slash < line.size() && IsBlank(line[slash])) ++slash;
  item = {at, end, false};
  if (slash == line.size() || line[slash] != '/') {
    if (item.to == item.from) item.to = at + 1;  // a stray character
    return true;
  }
  const size_t close = line.find('/', slash + 1);
  const bool closed = close != std::string_view::npos;
  item.to = closed ? close + 1 : line.size();
  item.laid_out =
      closed &&
      (word == "LOW" || word == "HIGH" || word == "REV" || word == "PLOG") &&
      HasThreeValues(line.substr(slash + 1, close - slash - 1));
  return true;
}

}  // namespace

void SplitAuxiliaryLine(std::string_view line,
                        std::vector<std::string_view>& parts) {
  parts.clear();
  size_t from = std::string_view::npos;  // of the items not yet handed on
  size_t to = 0;
  const auto hand_on = [&] {
    if (from != std::string_view::npos) {
      parts.push_back(line.substr(from, to - from));
    }
    from = std::string_view::npos;
  };
  Item item;
  for (size_t at = 0; NextItem(line, at, item); at = item.to) {
    if (item.laid_out) {
      hand_on();
      parts.push_back(line.substr(item.from, item.to - item.from));
    } else {
      if (from == std::string_view::npos) from = item.from;
      to = item.to;
    }
  }
  hand_on();
  if (parts.size() < 2) parts.assign(1, line);
}

std::string_view FirstAuxiliaryWord(std::string_view line) {
  size_t end = 0;
  while (end < line.size() && line[end] != ' ' && line[end] != '/') ++end;
  return line.substr(0, end);
}

bool IsAuxiliaryKeyword(std::string_view word) {
  for (std::string_view k : kKeywords) {
    if (word == k) return true;
  }
  return false;
}

bool CopiedToReverse(std::string_view line) {
  const std::string_view word = FirstAuxiliaryWord(line);
  if (word == "DUP" || word == "DUPLICATE") return true;
  return !word.empty() && !IsAuxiliaryKeyword(word) &&
         line.find('/') != std::string_view::npos;
}

}  // namespace kestrelon
