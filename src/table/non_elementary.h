// The non-elementary test, the fifth reaction pass: a reaction with three
// or more "+" signs on one side of its equation (more than three species,
// a third body such as "+M" or "+(M)" counting as one) gets "#NER#" put in
// front of its line (column 1); later passes skip it and the output stage
// lists it apart. Auxiliary rows are never flagged.
//
// The line must be canonical (the spacing pass has run): the equation ends
// at the first blank. The reactant side is the text before the arrow start
// (the later of the first "<" and the first "|" of the equation), the
// product side the text after the first ">" of the equation.
//
// Throws RunError naming the input line when a reaction line has no blank
// at all ("reaction has fewer than three coefficients") or its equation,
// the text before the first blank, holds no whole arrow ("blank inside an
// equation": a blank was left inside a name or before the arrow).
#ifndef KESTRELON_TABLE_NON_ELEMENTARY_H_
#define KESTRELON_TABLE_NON_ELEMENTARY_H_

#include <string>
#include <string_view>

#include "model/reaction_markers.h"
#include "model/run_record.h"
#include "model/working_table.h"

namespace kestrelon {

// Whether the canonical, untagged reaction `line` is non-elementary. Throws
// RunError without a file for the failures above.
bool IsNonElementary(std::string_view line);

// The pass for the line of row `row`, held in `line`: puts "#NER#" in front
// of a non-elementary reaction. A failure names the row's input line.
void FlagNonElementaryLine(std::string& line, int row, const InputLines& input);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_NON_ELEMENTARY_H_
