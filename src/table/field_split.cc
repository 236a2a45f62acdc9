#include "table/field_split.h"

#include <string_view>

#include "model/number_format.h"
#include "model/run_error.h"

namespace kestrelon {
namespace {

// `buffer` holds the line while the row's other cells are written.
void SplitRow(WorkingTable& table, int row, const Patterns& patterns,
              std::string& buffer, SplitCells& cells) {
  buffer.assign(table.Get(row, kLineColumn));
  if (!SplitReactionLine(buffer, patterns, cells)) {
    table.Set(row, kEquationColumn, kSkipMark);
    return;
  }
  // One write from the equation to Ea: the slot columns between are empty
  // until the slots are filled.
  static_assert(kFirstSlotColumn == kEquationColumn + 1 &&
                kAColumn == kFirstSlotColumn + 6 && kNColumn == kAColumn + 1 &&
                kEaColumn == kAColumn + 2);
  const std::string_view written[] = {cells.equation, {}, {}, {}, {}, {}, {},
                                      cells.a,        cells.n, cells.ea};
  table.SetRange(row, kEquationColumn, written);
}

}  // namespace

bool SplitReactionLine(std::string_view line, const Patterns& patterns,
                       SplitCells& cells) {
  if (IsAuxiliaryLine(line) || IsNonElementaryLine(line)) return false;
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
  cells.a =
      FormatNumber(LeadingNumber(line.substr(b1 + 1, b2 - b1 - 1)), patterns.a);
  cells.n =
      FormatNumber(LeadingNumber(line.substr(b2 + 1, b3 - b2 - 1)), patterns.n);
  cells.equation = line.substr(0, b1);
  cells.ea = line.substr(b3 + 1);
  return true;
}

void SplitFields(WorkingTable& table, RowRange rows, const Patterns& patterns,
                 const InputLines& input) {
  std::string buffer;
  SplitCells cells;
  for (int row = rows.first; row <= rows.last; ++row) {
    input.AtRow(row, [&] { SplitRow(table, row, patterns, buffer, cells); });
  }
}

}  // namespace kestrelon
