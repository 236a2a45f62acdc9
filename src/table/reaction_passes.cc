#include "table/reaction_passes.h"

namespace kestrelon {

void NormaliseReactions(RunContext&) {}

}  // namespace kestrelon
