// Input normalisation: writes "tempo.int" (stub).
#ifndef KESTRELON_RUN_NORMALISE_INPUT_H_
#define KESTRELON_RUN_NORMALISE_INPUT_H_

#include "run/run_context.h"

namespace kestrelon {

void NormaliseInput(RunContext& ctx);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_NORMALISE_INPUT_H_
