#include "run/extract_thermo.h"

namespace kestrelon {

void ExtractThermo(RunContext&) {}
void CopyWithoutThermo(RunContext&) {}

}  // namespace kestrelon
