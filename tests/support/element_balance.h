// An element balance counter for tests: the element composition of each
// species from a thermodynamic file (columns 25 to 44 of the first line of
// each NASA-7 entry: four fields of a symbol in two columns and a count in
// three), and whether an equation has the same atoms on both sides, with
// coefficients ("2OH", "2.5H2", ".75X") read in front of undeclared names.
// Tests only.
#ifndef KESTRELON_TESTS_SUPPORT_ELEMENT_BALANCE_H_
#define KESTRELON_TESTS_SUPPORT_ELEMENT_BALANCE_H_

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <string>
#include <string_view>

#include "platform/text_file.h"
#include "platform/text_ops.h"

namespace kestrelon::testing_support {

using Composition = std::map<std::string, double>;
using Compositions = std::map<std::string, Composition>;

inline Compositions ReadCompositions(std::string_view thermo) {
  Compositions out;
  for (std::string_view line : LinesOf(thermo)) {
    if (line.size() < 80 || line[79] != '1') continue;
    std::string_view name = TrimBlanks(line.substr(0, 18));
    name = name.substr(0, name.find(' '));
    Composition& c = out[std::string(name)];
    for (size_t f = 24; f < 44; f += 5) {
      const std::string symbol(TrimBlanks(line.substr(f, 2)));
      const std::string count(TrimBlanks(line.substr(f + 2, 3)));
      if (!symbol.empty() && !count.empty()) c[symbol] += std::stod(count);
    }
  }
  return out;
}

// Adds `sign` times the atoms of one side; false for an unknown species.
inline bool AddSide(std::string side, const Compositions& species, int sign,
                    Composition& atoms) {
  for (size_t open; (open = side.find("(+")) != std::string::npos;) {
    side.erase(open, side.find(')', open) - open + 1);
  }
  for (size_t from = 0; from <= side.size();) {
    size_t plus = side.find('+', from);
    if (plus == std::string::npos) plus = side.size();
    std::string_view term = std::string_view(side).substr(from, plus - from);
    from = plus + 1;
    if (term.empty() || term == "M") continue;
    double factor = 1;
    if (species.count(std::string(term)) == 0) {
      size_t digits = 0;
      while (digits < term.size() &&
             (std::isdigit(static_cast<unsigned char>(term[digits])) ||
              term[digits] == '.')) {
        ++digits;
      }
      if (digits > 0) {
        factor = std::stod("0" + std::string(term.substr(0, digits)));
      }
      term.remove_prefix(digits);
    }
    const auto found = species.find(std::string(term));
    if (found == species.end()) return false;
    for (const auto& [element, count] : found->second) {
      atoms[element] += sign * factor * count;
    }
  }
  return true;
}

inline bool Balanced(std::string_view equation, const Compositions& species) {
  size_t arrow = equation.find("<=>");
  size_t width = 3;
  if (arrow == std::string_view::npos) {
    arrow = equation.find("=>");
    width = 2;
  }
  if (arrow == std::string_view::npos) {
    arrow = equation.find('=');
    width = 1;
  }
  Composition atoms;
  if (!AddSide(std::string(equation.substr(0, arrow)), species, 1, atoms) ||
      !AddSide(std::string(equation.substr(arrow + width)), species, -1,
               atoms)) {
    ADD_FAILURE() << "unknown species in " << equation;
    return false;
  }
  for (const auto& [element, count] : atoms) {
    if (std::fabs(count) > 1e-9) return false;
  }
  return true;
}

}  // namespace kestrelon::testing_support

#endif  // KESTRELON_TESTS_SUPPORT_ELEMENT_BALANCE_H_
