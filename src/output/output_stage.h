// Output stage (stub).
#ifndef KESTRELON_OUTPUT_OUTPUT_STAGE_H_
#define KESTRELON_OUTPUT_OUTPUT_STAGE_H_

#include "run/run_context.h"

namespace kestrelon {

void RunOutputStage(RunContext& ctx);

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_OUTPUT_STAGE_H_
