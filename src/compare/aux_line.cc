#include "compare/aux_line.h"

#include <algorithm>

#include "platform/text_ops.h"

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

}  // namespace

std::vector<std::string_view> AuxItem::Values() const {
  std::vector<std::string_view> out;
  ForEachWord(values, [&out](std::string_view v) {
    out.push_back(v);
    return true;
  });
  return out;
}

std::string AuxItem::ValuesText() const {
  if (!has_values) return {};
  std::string text = "/";
  ForEachWord(values, [&text](std::string_view v) {
    if (text.size() > 1) text += ' ';
    text += v;
    return true;
  });
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
    item.name = line.substr(start, i - start);
    size_t after = i;
    while (after < n && IsBlank(line[after])) ++after;
    size_t value_count = 0;
    if (after < n && line[after] == '/') {
      size_t close = line.find('/', after + 1);
      if (close == std::string_view::npos) close = n;
      item.has_values = true;
      item.values = line.substr(after + 1, close - after - 1);
      value_count =
          ForEachWord(item.values, [](std::string_view) { return true; });
      i = close < n ? close + 1 : n;
    }
    if (item.name == "DUPLICATE") item.name = "DUP";
    item.efficiency = item.has_values && value_count == 1 &&
                      !item.name.empty() && !IsKeyword(item.name);
    items->push_back(item);
  }
}

std::vector<AuxItem> AuxItemsOf(const CleanedReactionLine& reaction) {
  std::vector<AuxItem> items;
  if (!reaction.reverse_rate.empty()) {
    AuxItem rev;
    rev.name = "REV";
    rev.has_values = true;
    rev.values = reaction.reverse_rate;
    items.push_back(rev);
  }
  for (std::string_view aux : reaction.aux_lines) ParseAuxLine(aux, &items);
  return items;
}

bool SameAuxLines(const CleanedReactionLine& x, const CleanedReactionLine& y) {
  return x.reverse_rate == y.reverse_rate &&
         std::equal(x.aux_lines.begin(), x.aux_lines.end(), y.aux_lines.begin(),
                    y.aux_lines.end());
}

}  // namespace kestrelon
