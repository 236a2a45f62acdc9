#include "table/load_table.h"

namespace kestrelon {

void LoadTable(RunContext&) {}

}  // namespace kestrelon
