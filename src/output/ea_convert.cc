#include "output/ea_convert.h"

namespace kestrelon {

double ConvertEa(EaUnit, OutUnit, double x) { return x; }

}  // namespace kestrelon
