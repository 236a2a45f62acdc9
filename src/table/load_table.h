// Loads the working table (stub).
#ifndef KESTRELON_TABLE_LOAD_TABLE_H_
#define KESTRELON_TABLE_LOAD_TABLE_H_

#include "run/run_context.h"

namespace kestrelon {

void LoadTable(RunContext& ctx);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_LOAD_TABLE_H_
