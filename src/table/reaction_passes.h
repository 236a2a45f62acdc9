// The reaction passes: every row of the reaction section (reacrow+1 to
// reacend-1) through seven steps, each one pass over the rows in ascending
// order:
//   1-4. the line column made canonical and auxiliary data lines tagged
//        "#DATAUX#" (table/reaction_lines.h);
//   5.   non-elementary reactions tagged "#NER#" (table/non_elementary.h),
//        after which the progress bar is set to 80;
//   6.   the equation into column 2, A and n printed with the run's A and n
//        patterns into columns 9 and 10, Ea as written into column 11
//        (table/field_split.h);
//   7.   the species slots in columns 3 to 8, "Irr" in column 12 and the
//        rebuilt equation in column 2 (table/species_slots.h).
// Rows outside the section are untouched. Reads ctx.patterns.a and .n.
//
// Throws RunError naming the input file and line for a reaction line that
// cannot be read: no three coefficients, a blank inside its equation, a
// number beyond the range of a double, an equation that does not split.
#ifndef KESTRELON_TABLE_REACTION_PASSES_H_
#define KESTRELON_TABLE_REACTION_PASSES_H_

#include "run/run_context.h"

namespace kestrelon {

void NormaliseReactions(RunContext& ctx);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_REACTION_PASSES_H_
