#include "output/output_stage.h"

namespace kestrelon {

void RunOutputStage(RunContext&) {}

}  // namespace kestrelon
