#include "table/field_split.h"

#include <string_view>

#include "model/number_format.h"
#include "model/run_error.h"

namespace kestrelon {
namespace {

void SplitRow(WorkingTable& table, int row, const Patterns& patterns) {
  const std::string_view line = table.At(row, kLineColumn);
  if (IsAuxiliaryLine(line) || IsNonElementaryLine(line)) {
    table.At(row, kEquationColumn).assign(kSkipMark);
    return;
  }
  const size_t b1 = line.find(' ');
  const size_t b2 = b1 == std::string_view::npos ? b1 : line.find(' ', b1 + 1);
  const size_t b3 = b2 == std::string_view::npos ? b2 : line.find(' ', b2 + 1);
  if (b3 == std::string_view::npos) {
    throw RunError("reaction has fewer than three coefficients");
  }
  // Printed before anything is written, so that a failing row is left as
  // it was.
  std::string a =
      FormatNumber(LeadingNumber(line.substr(b1 + 1, b2 - b1 - 1)), patterns.a);
  std::string n =
      FormatNumber(LeadingNumber(line.substr(b2 + 1, b3 - b2 - 1)), patterns.n);
  table.At(row, kEquationColumn).assign(line.substr(0, b1));
  table.At(row, kAColumn) = std::move(a);
  table.At(row, kNColumn) = std::move(n);
  table.At(row, kEaColumn).assign(line.substr(b3 + 1));
}

}  // namespace

void SplitFields(WorkingTable& table, RowRange rows, const Patterns& patterns,
                 const InputLines& input) {
  for (int row = rows.first; row <= rows.last; ++row) {
    input.AtRow(row, [&] { SplitRow(table, row, patterns); });
  }
}

}  // namespace kestrelon
