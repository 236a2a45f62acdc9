// The field split, the sixth reaction pass. For each reaction row (neither
// "#DATAUX#" nor "#NER#" in front of its line) the canonical line
// "EQUATION A N EA..." is split at its first three blanks: column 2 gets
// the equation, column 9 the leading-number value of A printed with the A
// pattern, column 10 that of n printed with the n pattern, column 11 the
// text after the third blank as it stands (Ea). A tagged row gets "####" in
// column 2 and nothing else. A field without a number prints as zero in its
// pattern.
//
// Throws RunError naming the input line when a reaction line has fewer than
// three blanks ("reaction has fewer than three coefficients"), a field
// after Ea (which would be read into it), or A or n beyond the range of a
// double ("number out of range").
#ifndef KESTRELON_TABLE_FIELD_SPLIT_H_
#define KESTRELON_TABLE_FIELD_SPLIT_H_

#include <string>
#include <string_view>

#include "model/reaction_markers.h"
#include "model/run_record.h"
#include "model/working_table.h"

namespace kestrelon {

void SplitFields(WorkingTable& table, RowRange rows, const Patterns& patterns,
                 const InputLines& input);

// What one reaction line splits into: the equation and Ea as views into
// the line, A and n printed.
struct SplitCells {
  std::string_view equation;
  std::string a;
  std::string n;
  std::string_view ea;
};

// Splits `line` as SplitFields splits one row's line into `cells`; false,
// and nothing split, for a tagged line. Throws RunError naming no file.
bool SplitReactionLine(std::string_view line, const Patterns& patterns,
                       SplitCells& cells);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_FIELD_SPLIT_H_
