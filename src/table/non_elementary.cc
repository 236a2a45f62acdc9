#include "table/non_elementary.h"

#include <algorithm>

#include "model/run_error.h"
#include "platform/text_ops.h"

namespace kestrelon {
namespace {

// Counting stops at three: more cannot change the verdict.
bool HasThreePlus(std::string_view side) {
  int count = 0;
  for (char c : side) {
    if (c == '+' && ++count == 3) return true;
  }
  return false;
}

}  // namespace

bool IsNonElementary(std::string_view line) {
  const size_t blank = line.find(' ');
  if (blank == std::string_view::npos) {
    throw RunError("reaction has fewer than three coefficients");
  }
  const std::string_view equation = line.substr(0, blank);
  // An arrow cut by a blank, or one standing after a blank, means the
  // equation does not end where the fields begin.
  if (!Contains(equation, "<=>") && !Contains(equation, "|=>")) {
    throw RunError("blank inside an equation");
  }
  const size_t less = equation.find('<');
  const size_t bar = equation.find('|');
  size_t arrow;
  if (less == std::string_view::npos) {
    arrow = bar;
  } else if (bar == std::string_view::npos) {
    arrow = less;
  } else {
    arrow = std::max(less, bar);
  }
  const size_t greater = equation.find('>');
  return HasThreePlus(equation.substr(0, arrow)) ||
         HasThreePlus(equation.substr(greater + 1));
}

void FlagNonElementaryLine(std::string& line, int row,
                           const InputLines& input) {
  if (IsAuxiliaryLine(line)) return;
  bool flag = false;
  input.AtRow(row, [&] { flag = IsNonElementary(line); });
  if (flag) line.insert(0, kNerTag);
}

}  // namespace kestrelon
