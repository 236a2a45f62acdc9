// The reaction passes: every row of a reaction section through seven
// steps, in two calls, each a pass over the rows in ascending order:
//   NormaliseAndFlag
//     the line column made canonical and auxiliary data lines tagged
//     "#DATAUX#" (table/reaction_lines.h), then non-elementary reactions
//     tagged "#NER#" (table/non_elementary.h), each row's line read once
//     while it is at hand;
//   SplitAndFillSlots
//     the equation into column 2, A and n printed with the A and n patterns
//     into columns 9 and 10, Ea as written into column 11
//     (table/field_split.h); then the species slots in columns 3 to 8,
//     "Irr" in column 12 and the rebuilt equation in column 2, the
//     coefficients of 2 judged against the `declared` species
//     (table/species_slots.h).
// Rows outside `rows` are untouched.
//
// Both throw RunError naming the input file and line (through `input`) for
// a reaction line that cannot be read: no three coefficients, a blank
// inside its equation, a number beyond the range of a double, an equation
// that does not split.
//
// RunReactionPasses leaves the rows as the two calls one after the other
// leave them and throws what they would throw, but takes each row through
// every step at once and writes it once, the rows of a large section on
// two threads that take blocks of them in turn (the steps of a row read
// and write that row alone). A failure leaves the rows in another state
// than the two calls: for runs whose table nobody looks at after a
// failure. It returns the rows of the non-elementary reactions, in order,
// which the output stage would otherwise look for.
#ifndef KESTRELON_TABLE_REACTION_PASSES_H_
#define KESTRELON_TABLE_REACTION_PASSES_H_

#include <vector>

#include "model/run_record.h"
#include "model/working_table.h"
#include "table/coefficient_rule.h"

namespace kestrelon {

void NormaliseAndFlag(WorkingTable& table, RowRange rows,
                      const InputLines& input);
void SplitAndFillSlots(WorkingTable& table, RowRange rows,
                       const Patterns& patterns,
                       const DeclaredSpecies& declared,
                       const InputLines& input);
std::vector<int> RunReactionPasses(WorkingTable& table, RowRange rows,
                                   const Patterns& patterns,
                                   const DeclaredSpecies& declared,
                                   const InputLines& input);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_REACTION_PASSES_H_
