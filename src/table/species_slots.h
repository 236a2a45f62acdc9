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
// but not "2.5H2", "2;A" (a held comma) or a declared species. Where a side has
// room for only one of two coefficients (2A+2B=C), the first rule that applies
// spells its species out and the other coefficient stays as written
// (B+2A+B<=>C). Rows skipped as reactions
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
#include <string_view>

#include "model/reaction_markers.h"
#include "model/run_record.h"
#include "model/working_table.h"
#include "table/coefficient_rule.h"

namespace kestrelon {

// The six passes over `rows`; `declared` holds the species of the SPECIES
// section.
void BuildSpeciesSlots(WorkingTable& table, RowRange rows,
                       const DeclaredSpecies& declared,
                       const InputLines& input);

// The slots of one equation, as BuildSpeciesSlots makes them for one row.
// The buffers are kept from equation to equation.
struct SlotCells {
  std::string filled;   // the equation filled out to three per side
  std::string rebuilt;  // the equation rebuilt from the slots
  std::array<std::string_view, 6> slots;  // views into `filled`
  bool irreversible = false;
};

// Spreads `equation` (not a skipped row's "####") over `cells`. Throws
// RunError naming no file when it does not split, `cells.filled` holding
// the equation filled out as far as it went.
void SpreadEquation(std::string_view equation, const DeclaredSpecies& declared,
                    SlotCells& cells);

// What a skipped row's six markers make, joined like an equation.
inline constexpr std::string_view kSkippedEquation =
    "####+####+####<=>####+####+####";

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_SPECIES_SLOTS_H_
