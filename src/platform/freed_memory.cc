#include "platform/freed_memory.h"

#include <malloc.h>

namespace kestrelon {

void ReturnFreedMemory() { ::malloc_trim(0); }

}  // namespace kestrelon
