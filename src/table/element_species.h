// Element and species separators (stub).
#ifndef KESTRELON_TABLE_ELEMENT_SPECIES_H_
#define KESTRELON_TABLE_ELEMENT_SPECIES_H_

#include "run/run_context.h"

namespace kestrelon {

void NormaliseElementsAndSpecies(RunContext& ctx);

}  // namespace kestrelon

#endif  // KESTRELON_TABLE_ELEMENT_SPECIES_H_
