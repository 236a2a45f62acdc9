// The species slots, the seventh reaction pass: the equation in column 2 of
// every reaction row is spread over six slots, three reactants (columns 3
// to 5) and three products (columns 6 to 8), "///" marking an empty one,
// its coefficients of 2 are spelt out as two species where its side has an
// empty slot, and column 2 is rebuilt from the slots without the empty
// ones, with "<=>" or "=>" as the arrow; "Irr" goes into column 12 of an
// irreversible reaction. Empty reactant slots come first (R3 never empty),
// empty product slots last (P1 never empty).
//
// A coefficient of 2 is a slot as table/coefficient_rule.h says: "2OH",
// but not "2.5H2", "2;A" (a held comma) or a declared species. Where a side has room for only
// one of two coefficients (2A+2B=C), the first rule that applies spells its
// species out and the other coefficient stays as written (B+2A+B<=>C). Rows
// skipped as reactions
// ("####" in column 2) get "####" in columns 3 to 8 and, in column 2, the
// six markers joined like an equation.
//
// The equations must be those the field split left: without blanks, with
// at most two "+" on a side. Throws RunError naming the input line for an
// equation that cannot be spread over the slots.
#ifndef KESTRELON_TABLE_SPECIES_SLOTS_H_
#define KESTRELON_TABLE_SPECIES_SLOTS_H_

#include <array>
#include <string>

#include "run/run_context.h"
#include "table/coefficient_rule.h"
#include "table/reaction_markers.h"

namespace kestrelon {

// R1, R2, R3, P1, P2, P3.
using Slots = std::array<std::string, 6>;

// The passes over one equation, in their order.
void FillToTwoPerSide(std::string& equation);
void FillToThreePerSide(std::string& equation);
// Throws RunError without a file when the equation does not split.
Slots SplitSlots(const std::string& equation, bool& irreversible);
// Without `declared`, no species is declared.
void ExpandCoefficients(Slots& slots);
void ExpandCoefficients(Slots& slots, const DeclaredSpecies& declared);
std::string RebuildEquation(const Slots& slots, bool irreversible);
void RemoveEmptySlots(std::string& equation);

// The six passes over `rows`; the names of the SPECIES rows of ctx's
// section index are the declared species.
void BuildSpeciesSlots(RunContext& ctx, RowRange rows);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_SPECIES_SLOTS_H_
