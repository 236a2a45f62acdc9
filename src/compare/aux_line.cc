#include "compare/aux_line.h"

namespace kestrelon {
namespace {

// Words that introduce reaction data rather than a third-body species.
constexpr std::string_view kKeywords[] = {
    "LOW",  "HIGH",    "TROE",    "SRI",   "REV",  "LT",   "RLT",
    "PLOG", "CHEB",    "TCHEB",   "PCHEB", "FORD", "RORD", "UNITS",
    "TDEP", "EXCI",    "JAN",     "FIT1",  "HV",   "MOME", "XSMI",
    "DUP",  "USRPROG", "COLLEFF", "EFFS"};

bool IsKeyword(std::string_view word) {
  for (std::string_view k : kKeywords) {
    if (word == k) return true;
  }
  return false;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void SplitValues(std::string_view block, std::vector<std::string>* out) {
  size_t i = 0;
  while (i < block.size()) {
    while (i < block.size() && IsBlank(block[i])) ++i;
    size_t start = i;
    while (i < block.size() && !IsBlank(block[i])) ++i;
    if (i > start) out->emplace_back(block.substr(start, i - start));
  }
}

}  // namespace

std::string AuxItem::ValuesText() const {
  if (!has_values) return {};
  std::string text = "/";
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += ' ';
    text += values[i];
  }
  text += '/';
  return text;
}

void ParseAuxLine(std::string_view line, std::vector<AuxItem>* items) {
  size_t i = 0;
  const size_t n = line.size();
  while (i < n) {
    while (i < n && IsBlank(line[i])) ++i;
    if (i == n) break;
    size_t start = i;
    while (i < n && !IsBlank(line[i]) && line[i] != '/') ++i;
    AuxItem item;
    item.name = std::string(line.substr(start, i - start));
    size_t after = i;
    while (after < n && IsBlank(line[after])) ++after;
    if (after < n && line[after] == '/') {
      size_t close = line.find('/', after + 1);
      if (close == std::string_view::npos) close = n;
      item.has_values = true;
      SplitValues(line.substr(after + 1, close - after - 1), &item.values);
      i = close < n ? close + 1 : n;
    }
    if (item.name == "DUPLICATE") item.name = "DUP";
    item.efficiency = item.has_values && item.values.size() == 1 &&
                      !item.name.empty() && !IsKeyword(item.name);
    items->push_back(std::move(item));
  }
}

}  // namespace kestrelon
