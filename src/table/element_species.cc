#include "table/element_species.h"

namespace kestrelon {
namespace {

// Each separator is first cut to pieces of at most 18 blanks, and each
// piece, like any comma already there, becomes three blanks: one scan does
// what the replacements of 18, 17, ... 1 blanks by "," followed by "," to
// three blanks would do.
constexpr size_t kPiece = 18;
constexpr std::string_view kSeparator = "   ";

void NormaliseRange(WorkingTable& table, int first, int last) {
  for (int row = first; row <= last; ++row) {
    const std::string_view cell = table.Get(row, 1);
    if (cell.find_first_of(" ,") == std::string_view::npos) continue;
    table.Set(row, 1, WidenSeparators(cell));
  }
}

}  // namespace

std::string WidenSeparators(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    const char c = text[i];
    if (c == ',') {
      out.append(kSeparator);
      ++i;
    } else if (c == ' ') {
      size_t run = 0;
      while (i < n && text[i] == ' ') {
        ++run;
        ++i;
      }
      for (size_t pieces = (run + kPiece - 1) / kPiece; pieces > 0; --pieces) {
        out.append(kSeparator);
      }
    } else {
      out.push_back(c);
      ++i;
    }
  }
  return out;
}

void NormaliseNameRows(WorkingTable& table, RowRange rows) {
  NormaliseRange(table, rows.first, rows.last);
}

}  // namespace kestrelon
