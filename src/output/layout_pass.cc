#include "output/layout_pass.h"

namespace kestrelon {

void LayOutFile(RunContext&, const std::string&, OutUnit) {}

}  // namespace kestrelon
