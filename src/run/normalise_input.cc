#include "run/normalise_input.h"

namespace kestrelon {

void NormaliseInput(RunContext&) {}

}  // namespace kestrelon
