// Thermodynamic extraction: writes "tempo3.int" (stub).
#ifndef KESTRELON_RUN_EXTRACT_THERMO_H_
#define KESTRELON_RUN_EXTRACT_THERMO_H_

#include "run/run_context.h"

namespace kestrelon {

void ExtractThermo(RunContext& ctx);
void CopyWithoutThermo(RunContext& ctx);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_EXTRACT_THERMO_H_
