// Layout pass over one cleaned file (stub).
#ifndef KESTRELON_OUTPUT_LAYOUT_PASS_H_
#define KESTRELON_OUTPUT_LAYOUT_PASS_H_

#include <string>

#include "output/ea_convert.h"
#include "run/run_context.h"

namespace kestrelon {

void LayOutFile(RunContext& ctx, const std::string& path, OutUnit unit);

}  // namespace kestrelon

#endif  // KESTRELON_OUTPUT_LAYOUT_PASS_H_
