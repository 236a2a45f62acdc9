// Section tagging and comment cutting: writes "tempo2.int" (stub).
#ifndef KESTRELON_RUN_TAG_SECTIONS_H_
#define KESTRELON_RUN_TAG_SECTIONS_H_

#include "run/run_context.h"

namespace kestrelon {

void TagSections(RunContext& ctx);

}  // namespace kestrelon

#endif  // KESTRELON_RUN_TAG_SECTIONS_H_
