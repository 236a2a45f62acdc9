#include "table/element_species.h"

namespace kestrelon {

void NormaliseElementsAndSpecies(RunContext&) {}

}  // namespace kestrelon
