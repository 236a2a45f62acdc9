// Hands memory the process has let go of back to the system. The allocator
// keeps small freed blocks for reuse, and the pages of a large structure
// freed piece by piece stay in the process while a new one is built beside
// it; a pass that does so calls this now and then, so that the process
// never holds both whole. Costs a walk over the allocator's free blocks.
#ifndef KESTRELON_PLATFORM_FREED_MEMORY_H_
#define KESTRELON_PLATFORM_FREED_MEMORY_H_

namespace kestrelon {

void ReturnFreedMemory();

}  // namespace kestrelon

#endif  // KESTRELON_PLATFORM_FREED_MEMORY_H_
