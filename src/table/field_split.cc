#include "table/field_split.h"

#include <string_view>

#include "model/number_format.h"
#include "model/run_error.h"

namespace kestrelon {
namespace {

// `buffer` holds the line while the row's other cells are written.
void SplitRow(WorkingTable& table, int row, const Patterns& patterns,
              std::string& buffer) {
  if (IsAuxiliaryLine(table.Get(row, kLineColumn)) ||
      IsNonElementaryLine(table.Get(row, kLineColumn))) {
    table.Set(row, kEquationColumn, kSkipMark);
    return;
  }
  buffer.assign(table.Get(row, kLineColumn));
  const std::string_view line = buffer;
  const size_t b1 = line.find(' ');
  const size_t b2 = b1 == std::string_view::npos ? b1 : line.find(' ', b1 + 1);
  const size_t b3 = b2 == std::string_view::npos ? b2 : line.find(' ', b2 + 1);
  if (b3 == std::string_view::npos) {
    throw RunError("reaction has fewer than three coefficients");
  }
  if (HasFieldAfter(line.substr(b3 + 1))) {
    throw RunError(kMoreThanThreeCoefficients);
  }
  // Printed before anything is written, so that a failing row is left as
  // it was.
  std::string a =
      FormatNumber(LeadingNumber(line.substr(b1 + 1, b2 - b1 - 1)), patterns.a);
  std::string n =
      FormatNumber(LeadingNumber(line.substr(b2 + 1, b3 - b2 - 1)), patterns.n);
  // One write from the equation to Ea: the slot columns between are empty
  // until the slots are filled.
  static_assert(kFirstSlotColumn == kEquationColumn + 1 &&
                kAColumn == kFirstSlotColumn + 6 && kNColumn == kAColumn + 1 &&
                kEaColumn == kAColumn + 2);
  const std::string_view cells[] = {
      line.substr(0, b1), {}, {}, {}, {}, {}, {}, a, n, line.substr(b3 + 1)};
  table.SetRange(row, kEquationColumn, cells);
}

}  // namespace

void SplitFields(WorkingTable& table, RowRange rows, const Patterns& patterns,
                 const InputLines& input) {
  std::string buffer;
  for (int row = rows.first; row <= rows.last; ++row) {
    input.AtRow(row, [&] { SplitRow(table, row, patterns, buffer); });
  }
}

}  // namespace kestrelon
