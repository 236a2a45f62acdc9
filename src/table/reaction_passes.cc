#include "table/reaction_passes.h"

#include "table/field_split.h"
#include "table/non_elementary.h"
#include "table/reaction_lines.h"
#include "table/reaction_markers.h"
#include "table/species_slots.h"

namespace kestrelon {

void NormaliseReactions(RunContext& ctx) {
  const RowRange rows = ReactionRows(ctx.vars.index);
  NormaliseReactionLines(ctx, rows);
  FlagNonElementary(ctx, rows);
  ctx.ui.SetProgress(80);
  SplitFields(ctx, rows);
  BuildSpeciesSlots(ctx, rows);
}

}  // namespace kestrelon
