#include "run/tag_sections.h"

namespace kestrelon {

void TagSections(RunContext&) {}

}  // namespace kestrelon
