// Reaction passes (stub).
#ifndef KESTRELON_TABLE_REACTION_PASSES_H_
#define KESTRELON_TABLE_REACTION_PASSES_H_

#include "run/run_context.h"

namespace kestrelon {

void NormaliseReactions(RunContext& ctx);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_REACTION_PASSES_H_
