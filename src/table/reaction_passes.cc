#include "table/reaction_passes.h"

#include "table/field_split.h"
#include "table/non_elementary.h"
#include "table/reaction_lines.h"
#include "table/reaction_markers.h"
#include "table/species_slots.h"

namespace kestrelon {
namespace {

// Steps 1 to 4 and the flagging in one pass over the rows, each row's line
// read once while it is at hand. Steps 1 to 4 never fail: when flagging
// fails at a row, the rows after it still go through them before the
// failure goes on, so the table is left as two passes would leave it.
void NormaliseAndFlag(RunContext& ctx, RowRange rows) {
  for (int row = rows.first; row <= rows.last; ++row) {
    NormaliseReactionLine(ctx.table.At(row, kLineColumn));
    try {
      FlagNonElementaryRow(ctx, row);
    } catch (...) {
      for (int rest = row + 1; rest <= rows.last; ++rest) {
        NormaliseReactionLine(ctx.table.At(rest, kLineColumn));
      }
      throw;
    }
  }
}

}  // namespace

void NormaliseReactions(RunContext& ctx) {
  const RowRange rows = ReactionRows(ctx.vars.index);
  NormaliseAndFlag(ctx, rows);
  ctx.ui.SetProgress(80);
  SplitFields(ctx, rows);
  BuildSpeciesSlots(ctx, rows);
}

}  // namespace kestrelon
